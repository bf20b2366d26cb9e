#include "geodesy/sun.h"

#include <cmath>

namespace geodesy {
namespace {

constexpr double TruePi = 3.14159265358979323846;

double sinDegrees(double degrees) { return std::sin(degrees * TruePi / 180); }
double cosDegrees(double degrees) { return std::cos(degrees * TruePi / 180); }
double degrees(double radians) { return radians * 180 / TruePi; }

} // namespace

Position subsolarPoint(double unixSeconds)
{
    // Days from J2000.0, 2000-01-01 12:00.
    const double n = unixSeconds / 86400 - 10957.5;
    const double meanLongitude = 280.460 + 0.9856474 * n;
    const double meanAnomaly = 357.528 + 0.9856003 * n;
    const double eclipticLongitude = meanLongitude + 1.915 * sinDegrees(meanAnomaly) + 0.020 * sinDegrees(2 * meanAnomaly);
    const double obliquity = 23.439 - 0.0000004 * n;
    const double rightAscension = degrees(std::atan2(cosDegrees(obliquity) * sinDegrees(eclipticLongitude),
                                                     cosDegrees(eclipticLongitude)));
    const double declination = degrees(std::asin(sinDegrees(obliquity) * sinDegrees(eclipticLongitude)));
    // Greenwich mean sidereal time, in degrees.
    const double siderealTime = 280.46061837 + 360.98564736629 * n;
    return {declination, std::remainder(rightAscension - siderealTime, 360.0)};
}

} // namespace geodesy
