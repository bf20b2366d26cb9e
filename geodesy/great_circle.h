#pragma once

#include "geodesy/inline_text.h"
#include "geodesy/pi.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace geodesy {

inline constexpr double EarthRadiusKm = 6371;

// (degrees / 180) * Pi, and back as (radians * 180) / Pi.
double toRadians(double degrees);
double toDegrees(double radians);

struct GreatCircle {
    // Direct azimuth, 0..360 in whole degrees clockwise from north (360 when
    // it rounds up from 359.5), and the reverse one, 1..360.
    std::int16_t azimutPush = 0;
    std::int16_t azimutPull = 0;
    // Whole kilometres, halves up; empty when the points coincide (or lie so
    // close that the central angle cannot be computed). The azimuths are set
    // either way.
    std::optional<double> distanceKm;
};

// From the own station (h1 latitude, d1 longitude) to the correspondent
// (h2, d2), all in radians as toRadians gives them. A pole, toRadians(90)
// or toRadians(-90), is taken as exactly a right angle: the program's pi
// would put it a hair beyond, where tan changes sign and the North Pole
// would lie due south.
GreatCircle greatCircle(double h1, double d1, double h2, double d2);

// A result label text in UTF-8.
using LabelText = InlineText<64>;

// The three result label texts: a number reads as its decimal integer with a
// leading blank, or a minus sign when it is negative.
struct ResultTexts {
    LabelText azimutPush;
    LabelText azimutPull;
    LabelText dalnost;
};

ResultTexts resultTexts(std::int16_t azimutPush, std::int16_t azimutPull, double distanceKm);

} // namespace geodesy
