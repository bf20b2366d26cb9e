// Encoding the centre of any locator that decodes gives that locator back,
// and the cells of the encoding are those of the decoding.

#include "invariant.h"

#include "geodesy/locator.h"

#include <variant>

FUZZ_TARGET(text)
{
    const geodesy::LocatorDecoding decoding = geodesy::decodeLocator(text);
    const auto* centre = std::get_if<geodesy::DecodedLocator>(&decoding.result);
    if (!centre)
        return;
    const geodesy::EncodedLocator encoded = geodesy::encodeLocator({centre->latitude, centre->longitude});
    const geodesy::LocPart& cell = centre->locPart;
    FUZZ_REQUIRE(encoded.text == decoding.upper);
    FUZZ_REQUIRE(encoded.locIndex
                 == (geodesy::LocIndex{double(cell.cell1), double(cell.cell2), double(cell.cell3 - '0'),
                                       double(cell.cell4 - '0'), double(cell.cell5), double(cell.cell6)}));
}
