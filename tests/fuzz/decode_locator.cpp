// decodeLocator and locatorCentre on any bytes.

#include "invariant.h"

#include "geodesy/locator.h"

#include <variant>

FUZZ_TARGET(text)
{
    // Upper-casing works in place, whatever the bytes; an ASCII byte is
    // upper-cased alone, whatever stands before it.
    const std::string upper = geodesy::upperCase(text);
    FUZZ_REQUIRE(upper.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) < 0x80)
            FUZZ_REQUIRE(upper[i] == (text[i] >= 'a' && text[i] <= 'z' ? text[i] - 'a' + 'A' : text[i]));

    // A locator is read one character for one: a look-alike Cyrillic letter
    // becomes one Latin letter, and read again nothing changes.
    const geodesy::LocatorDecoding decoding = geodesy::decodeLocator(text);
    const std::string_view u = decoding.upper;
    FUZZ_REQUIRE(geodesy::characterCount(u) == geodesy::characterCount(text));
    FUZZ_REQUIRE(geodesy::locatorLetters(u) == u);

    // Decoded without its text, it decodes alike: the same centre, the same
    // failure.
    const auto alone = geodesy::locatorCentre(text);
    FUZZ_REQUIRE(alone.index() == decoding.result.index());
    if (const auto* failure = std::get_if<geodesy::LocatorFailure>(&alone))
        FUZZ_REQUIRE(*failure == std::get<geodesy::LocatorFailure>(decoding.result));

    // A locator that decodes is six characters: field letters to R (beyond
    // lies outside the map), digits, subsquare letters to X; its centre lies
    // within the map (written so that a NaN fails too).
    const auto* centre = std::get_if<geodesy::DecodedLocator>(&decoding.result);
    if (!centre)
        return;
    FUZZ_REQUIRE(u.size() == 6);
    for (std::size_t i = 0; i < 6; ++i)
        FUZZ_REQUIRE(u[i] >= "AA00AA"[i] && u[i] <= "RR99XX"[i]);
    FUZZ_REQUIRE(centre->latitude >= -90 && centre->latitude <= 90);
    FUZZ_REQUIRE(centre->longitude >= -180 && centre->longitude <= 180);
    const auto& same = std::get<geodesy::DecodedLocator>(alone);
    FUZZ_REQUIRE(same.latitude == centre->latitude && same.longitude == centre->longitude);
}
