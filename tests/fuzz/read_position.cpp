// readPosition on six texts cut from any bytes.

#include "invariant.h"

#include "geodesy/number.h"
#include "geodesy/position.h"

#include <array>
#include <variant>

FUZZ_TARGET(text)
{
    // Latitude degrees, minutes, seconds, then longitude, one per line; the
    // last text keeps any further line breaks, missing texts are empty.
    std::array<std::string_view, 6> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        const std::size_t end = i + 1 < t.size() ? text.find('\n') : std::string_view::npos;
        t[i] = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    const auto result = geodesy::readPosition({t[0], t[1], t[2]}, {t[3], t[4], t[5]});

    // Exactly when a degrees text is no number, there are no coordinates;
    // a position is within the map (written so that a NaN fails too).
    const auto* failure = std::get_if<geodesy::PositionFailure>(&result);
    FUZZ_REQUIRE((failure && *failure == geodesy::PositionFailure::NoCoordinates)
                 == !(geodesy::isNumber(t[0]) && geodesy::isNumber(t[3])));
    if (const auto* p = std::get_if<geodesy::Position>(&result))
        FUZZ_REQUIRE(p->latitude >= -90 && p->latitude <= 90 && p->longitude >= -180 && p->longitude <= 180);
}
