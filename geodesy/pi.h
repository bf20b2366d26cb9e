#pragma once

namespace geodesy {

// Two values of pi. The calculation's results are reproduced only with the
// program's own rounded values and relatives, not with the exact constants;
// what is only drawn or shown beside them (the map, the Sun, the pictures)
// uses the true pi.
inline constexpr double Pi = 3.141593;
inline constexpr double TwoPi = 6.283186;
inline constexpr double HalfPi = 1.5708;
inline constexpr double DegreesPerRadian = 57.2958;  // azimuth only
inline constexpr double TruePi = 3.14159265358979323846;

// Degrees to radians and back by the true pi.
constexpr double trueRadians(double degrees) { return degrees * TruePi / 180; }
constexpr double trueDegrees(double radians) { return radians * 180 / TruePi; }

} // namespace geodesy
