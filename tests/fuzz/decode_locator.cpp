// decodeLocator on any bytes.

#include "invariant.h"

#include "geodesy/locator.h"

#include <variant>

FUZZ_TARGET(text)
{
    // Upper-casing works in place, whatever the bytes; an ASCII byte is
    // upper-cased alone, whatever stands before it.
    const geodesy::LocatorDecoding decoding = geodesy::decodeLocator(text);
    const std::string_view u = decoding.upper;
    FUZZ_REQUIRE(u.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) < 0x80)
            FUZZ_REQUIRE(u[i] == (text[i] >= 'a' && text[i] <= 'z' ? text[i] - 'a' + 'A' : text[i]));

    // A locator that decodes is six characters: field letters to R (beyond
    // lies outside the map), digits, subsquare letters to X; its centre lies
    // within the map (written so that a NaN fails too).
    const auto* centre = std::get_if<geodesy::DecodedLocator>(&decoding.result);
    if (!centre)
        return;
    FUZZ_REQUIRE(text.size() == 6);
    for (std::size_t i = 0; i < 6; ++i)
        FUZZ_REQUIRE(u[i] >= "AA00AA"[i] && u[i] <= "RR99XX"[i]);
    FUZZ_REQUIRE(centre->latitude >= -90 && centre->latitude <= 90);
    FUZZ_REQUIRE(centre->longitude >= -180 && centre->longitude <= 180);
}
