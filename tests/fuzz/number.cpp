// isNumber and numberValue on any bytes.

#include "invariant.h"

#include "geodesy/number.h"

#include <cmath>
#include <cstring>
#include <string>

FUZZ_TARGET(text)
{
    const bool number = geodesy::isNumber(text);
    const double value = geodesy::numberValue(text);
    FUZZ_REQUIRE(!std::isnan(value) && (!number || std::isfinite(value)));

    // Blanks around a text change neither answer, to the bit; numberValue
    // skips only the leading ones, so trailing blanks follow the whole text.
    const std::string padded = " \t" + std::string(text) + "\t ";
    const double paddedValue = geodesy::numberValue(padded);
    FUZZ_REQUIRE(geodesy::isNumber(padded) == number && std::memcmp(&paddedValue, &value, sizeof value) == 0);
}
