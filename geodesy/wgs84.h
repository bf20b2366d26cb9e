#pragma once

#include "geodesy/position.h"

namespace geodesy {

// The shortest path on the WGS-84 ellipsoid, as GeographicLib solves it.
// Unlike the sphere's, the bearing back from the correspondent is not the
// direct azimuth turned by 180 degrees.
struct Wgs84Path {
    double distanceKm;
    double azimuth;         // at the own station, towards the correspondent
    double reverseAzimuth;  // at the correspondent, towards the own station
};

// Both azimuths in degrees clockwise from north, 0 up to 360.
Wgs84Path wgs84Path(const Position& own, const Position& kor);

} // namespace geodesy
