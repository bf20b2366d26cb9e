#include "geodesy/sun.h"

#include "geodesy/pi.h"

#include <algorithm>
#include <cmath>

namespace geodesy {
namespace {

double sinDegrees(double degrees) { return std::sin(trueRadians(degrees)); }
double cosDegrees(double degrees) { return std::cos(trueRadians(degrees)); }

} // namespace

Position subsolarPoint(double unixSeconds)
{
    // Days from J2000.0, 2000-01-01 12:00.
    const double n = unixSeconds / 86400 - 10957.5;
    const double meanLongitude = 280.460 + 0.9856474 * n;
    const double meanAnomaly = 357.528 + 0.9856003 * n;
    const double eclipticLongitude = meanLongitude + 1.915 * sinDegrees(meanAnomaly) + 0.020 * sinDegrees(2 * meanAnomaly);
    const double obliquity = 23.439 - 0.0000004 * n;
    const double rightAscension = trueDegrees(std::atan2(cosDegrees(obliquity) * sinDegrees(eclipticLongitude),
                                                     cosDegrees(eclipticLongitude)));
    const double declination = trueDegrees(std::asin(sinDegrees(obliquity) * sinDegrees(eclipticLongitude)));
    // Greenwich mean sidereal time, in degrees.
    const double siderealTime = 280.46061837 + 360.98564736629 * n;
    return {declination, std::remainder(rightAscension - siderealTime, 360.0)};
}

} // namespace geodesy

namespace geodesy {
namespace {

constexpr double HorizonDegrees = -0.833;

// The Sun's centre above the horizon, in degrees.
double sunAltitude(const Position& place, double unixSeconds)
{
    const Position sun = subsolarPoint(unixSeconds);
    const double cosine = sinDegrees(place.latitude) * sinDegrees(sun.latitude)
                        + cosDegrees(place.latitude) * cosDegrees(sun.latitude) * cosDegrees(sun.longitude - place.longitude);
    return 90 - trueDegrees(std::acos(std::clamp(cosine, -1.0, 1.0)));
}

} // namespace

SunDay sunDay(const Position& place, double dayStartUnixSeconds)
{
    // Every ten minutes, then halving to the second where the Sun crosses.
    constexpr double Step = 600;
    SunDay day;
    double before = sunAltitude(place, dayStartUnixSeconds) - HorizonDegrees;
    bool everUp = before > 0;
    for (double t = dayStartUnixSeconds; t < dayStartUnixSeconds + 86400; t += Step) {
        const double after = sunAltitude(place, t + Step) - HorizonDegrees;
        everUp = everUp || after > 0;
        if ((before > 0) != (after > 0)) {
            double low = t;
            double high = t + Step;
            while (high - low > 1) {
                const double middle = (low + high) / 2;
                ((sunAltitude(place, middle) - HorizonDegrees > 0) == (after > 0) ? high : low) = middle;
            }
            (after > 0 ? day.sunrise : day.sunset) = high;
        }
        before = after;
    }
    day.polarDay = !day.sunrise && !day.sunset && everUp;
    day.polarNight = !day.sunrise && !day.sunset && !everUp;
    return day;
}

} // namespace geodesy
