#include "geodesy/great_circle.h"

#include "geodesy/latitude_trig.h"

#include <cmath>

namespace geodesy {
namespace {

double bearing(double y, double x)
{
    double a = 0;
    if (x < 0)
        a = -std::atan(y / x);
    else if (x > 0)
        a = Pi - std::atan(y / x);
    else if (y > 0)   // due east along the great circle
        a = Pi / 2;
    else if (y < 0)   // due west
        a = 3 * Pi / 2;
    if (a < 0)
        a = a + TwoPi;
    return a;
}

// A latitude in radians, a pole made exactly a right angle.
double atPole(double latitude)
{
    constexpr double RightAngle = TruePi / 2;
    if (latitude == toRadians(90))
        return RightAngle;
    if (latitude == toRadians(-90))
        return -RightAngle;
    return latitude;
}

// prefix, the number with a leading blank when it is not negative, suffix
template <std::size_t P, std::size_t S>
LabelText labelText(const char (&prefix)[P], long long number, const char (&suffix)[S])
{
    LabelText text;
    text.appendLiteral(prefix);
    if (number >= 0)
        text.appendLiteral(" ");
    text.appendNumber(number);
    text.appendLiteral(suffix);
    return text;
}

} // namespace

double toRadians(double degrees) { return (degrees / 180) * Pi; }
double toDegrees(double radians) { return (radians * 180) / Pi; }

GreatCircle greatCircle(double h1, double d1, double h2, double d2)
{
    h1 = atPole(h1);
    h2 = atPole(h2);
    GreatCircle result;
    const LatitudeTrig own = latitudeTrig(h1, false);
    const LatitudeTrig kor = latitudeTrig(h2, true);
    const double deltaLambda = d2 - d1;
    const double y = std::sin(deltaLambda);
    const double x = (own.sin * std::cos(deltaLambda)) - (kor.tan * own.cos);
    const double a = bearing(y, x);

    // Rounds to the nearest whole degree, halves to even (the default mode).
    result.azimutPush = static_cast<std::int16_t>(std::nearbyint(a * DegreesPerRadian));
    result.azimutPull = static_cast<std::int16_t>(result.azimutPush + 180);
    if (result.azimutPull > 360)
        result.azimutPull = static_cast<std::int16_t>(result.azimutPull - 360);

    const double c = (own.cos * kor.cos * std::cos(deltaLambda)) + (kor.sin * own.sin);
    const double t = 1 + (-c * c);
    if (!(t > 0))
        return result;
    const double sigma = std::atan(-c / std::sqrt(t)) + HalfPi;
    result.distanceKm = std::floor(sigma * EarthRadiusKm + 0.5);
    return result;
}

ResultTexts resultTexts(std::int16_t azimutPush, std::int16_t azimutPull, double distanceKm)
{
    return {labelText(" АЗИМУТ прямой:     ", azimutPush, " град."),
            labelText(" АЗИМУТ обратный: ", azimutPull, " град."),
            labelText(" ДАЛЬНОСТЬ: ", static_cast<long long>(distanceKm), " км")};
}

} // namespace geodesy
