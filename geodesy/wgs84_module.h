#pragma once

// The one entry of the module that solves geodesics on the WGS-84 ellipsoid
// with GeographicLib, looked up by its name: from the own station to the
// correspondent, both in degrees, the distance in metres, the azimuth at the
// own station, and the azimuth at the correspondent going on, away from the
// own station, as GeographicLib gives them.
namespace geodesy {

using Wgs84Inverse = void (*)(double ownLatitude, double ownLongitude, double korLatitude, double korLongitude,
                              double* metres, double* azimuth, double* azimuthGoingOn);
inline constexpr char Wgs84InverseName[] = "azidalWgs84Inverse";

} // namespace geodesy
