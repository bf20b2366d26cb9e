#pragma once

#include "geodesy/position.h"

namespace geodesy {

// The point where the Sun stands overhead at an instant, given in seconds
// since 1970-01-01 00:00 UTC, by the Astronomical Almanac's low-precision
// formulas for the Sun: good to about 0.01 degree from 1950 to 2050. The
// night is everything more than 90 degrees from it.
Position subsolarPoint(double unixSeconds);

} // namespace geodesy
