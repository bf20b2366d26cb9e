// readPosition on six texts cut from any bytes.

#include "invariant.h"

#include "geodesy/number.h"
#include "geodesy/position.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Latitude degrees, minutes, seconds, then longitude, one per line; the
    // last text keeps any further line breaks, missing texts are empty.
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::array<std::string_view, 6> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::size_t end = i + 1 < texts.size() ? rest.find('\n') : std::string_view::npos;
        texts[i] = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    const auto result = geodesy::readPosition({texts[0], texts[1], texts[2]}, {texts[3], texts[4], texts[5]});

    // Exactly when a degrees text is no number, there are no coordinates.
    const auto* failure = std::get_if<geodesy::PositionFailure>(&result);
    FUZZ_REQUIRE((failure && *failure == geodesy::PositionFailure::NoCoordinates)
                 == !(geodesy::isNumber(texts[0]) && geodesy::isNumber(texts[3])));
    if (const auto* position = std::get_if<geodesy::Position>(&result)) {
        // Written so that a NaN fails too.
        FUZZ_REQUIRE(position->latitude >= -90 && position->latitude <= 90);
        FUZZ_REQUIRE(position->longitude >= -180 && position->longitude <= 180);
    }
    return 0;
}
