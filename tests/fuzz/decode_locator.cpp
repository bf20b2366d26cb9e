// decodeLocator on any bytes.

#include "invariant.h"

#include "geodesy/locator.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const geodesy::LocatorDecoding decoding = geodesy::decodeLocator(text);
    // Upper-casing works in place, whatever the bytes; an ASCII byte is
    // upper-cased alone, whatever stands before it.
    FUZZ_REQUIRE(decoding.upper.size() == text.size() && decoding.upper == geodesy::upperCase(text));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) < 0x80)
            FUZZ_REQUIRE(decoding.upper[i] == (c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    }

    const auto* centre = std::get_if<geodesy::DecodedLocator>(&decoding.result);
    if (!centre)
        return 0;

    // Written so that a NaN fails too.
    FUZZ_REQUIRE(centre->longitude >= -180 && centre->longitude <= 180);
    FUZZ_REQUIRE(centre->latitude >= -90 && centre->latitude <= 90);

    // A locator that decodes is six characters: field letters to R (beyond
    // lies outside the map), digits, subsquare letters to X.
    FUZZ_REQUIRE(text.size() == 6);
    const std::string_view u = decoding.upper;
    for (std::size_t i = 0; i < 6; ++i)
        FUZZ_REQUIRE(u[i] >= "AA00AA"[i] && u[i] <= "RR99XX"[i]);
    const geodesy::LocPart& cell = centre->locPart;
    FUZZ_REQUIRE(cell.cell1 == u[0] - 'A' && cell.cell2 == u[1] - 'A');
    FUZZ_REQUIRE(cell.cell3 == u[2] && cell.cell4 == u[3]);
    FUZZ_REQUIRE(cell.cell5 == u[4] - 'A' && cell.cell6 == u[5] - 'A');
    return 0;
}
