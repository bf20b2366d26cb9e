// isNumber and numberValue on any bytes.

#include "invariant.h"

#include "geodesy/number.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool sameValue(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const bool number = geodesy::isNumber(text);
    const double value = geodesy::numberValue(text);
    FUZZ_REQUIRE(!std::isnan(value));
    if (number)
        FUZZ_REQUIRE(std::isfinite(value));

    // Blanks around a text change neither answer; numberValue skips only the
    // leading ones, so trailing blanks are added after the whole text.
    const std::string padded = " \t" + std::string(text) + "\t ";
    FUZZ_REQUIRE(geodesy::isNumber(padded) == number);
    FUZZ_REQUIRE(sameValue(geodesy::numberValue(padded), value));
    return 0;
}
