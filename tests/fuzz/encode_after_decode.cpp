// Encoding the centre of any locator that decodes gives that locator back.

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
    const auto* centre = std::get_if<geodesy::DecodedLocator>(&decoding.result);
    if (!centre)
        return 0;

    const geodesy::EncodedLocator encoded = geodesy::encodeLocator({centre->latitude, centre->longitude});
    FUZZ_REQUIRE(encoded.text == decoding.upper);

    const geodesy::LocPart& cell = centre->locPart;
    const geodesy::LocIndex expected = {double(cell.cell1), double(cell.cell2), double(cell.cell3 - '0'),
                                        double(cell.cell4 - '0'), double(cell.cell5), double(cell.cell6)};
    FUZZ_REQUIRE(encoded.locIndex == expected);
    return 0;
}
