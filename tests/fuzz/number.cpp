// isNumber and numberValue on any bytes.

#include "invariant.h"

#include "geodesy/number.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const bool number = geodesy::isNumber(text);
    const double value = geodesy::numberValue(text);
    FUZZ_REQUIRE(!std::isnan(value));
    FUZZ_REQUIRE(!number || std::isfinite(value));

    // Blanks around a text change neither answer, to the bit; numberValue
    // skips only the leading ones, so trailing blanks follow the whole text.
    const std::string padded = " \t" + std::string(text) + "\t ";
    const double paddedValue = geodesy::numberValue(padded);
    FUZZ_REQUIRE(geodesy::isNumber(padded) == number);
    FUZZ_REQUIRE(std::memcmp(&paddedValue, &value, sizeof value) == 0);
    return 0;
}
