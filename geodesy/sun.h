#pragma once

#include "geodesy/position.h"

#include <optional>

namespace geodesy {

// The point where the Sun stands overhead at an instant, given in seconds
// since 1970-01-01 00:00 UTC, by the Astronomical Almanac's low-precision
// formulas for the Sun: good to about 0.01 degree from 1950 to 2050. The
// night is everything more than 90 degrees from it.
Position subsolarPoint(double unixSeconds);

} // namespace geodesy

namespace geodesy {

// The Sun's rise and set at a place on one UTC day, in seconds since 1970:
// when its centre crosses 0.833 degrees below the horizon, which allows for
// refraction and the Sun's half width. In a polar day or night it does
// neither, and says which.
struct SunDay {
    std::optional<double> sunrise;
    std::optional<double> sunset;
    bool polarDay = false;
    bool polarNight = false;
};
SunDay sunDay(const Position& place, double dayStartUnixSeconds);

} // namespace geodesy
