#pragma once

#include "geodesy/position.h"

#include <optional>

// GeographicLib comes with a module of the program's own, loaded at the
// first figure on the ellipsoid: linked into the program, it would be loaded
// before `main` at every start-up, and the window's first paint shows none.
namespace geodesy {

// The shortest path on the WGS-84 ellipsoid, as GeographicLib solves it.
// Unlike the sphere's, the bearing back from the correspondent is not the
// direct azimuth turned by 180 degrees.
struct Wgs84Path {
    double distanceKm;
    double azimuth;         // at the own station, towards the correspondent
    double reverseAzimuth;  // at the correspondent, towards the own station
};

// Both azimuths in degrees clockwise from north, 0 up to 360; none when the
// module cannot be loaded, which only an incomplete installation meets.
std::optional<Wgs84Path> wgs84Path(const Position& own, const Position& kor);

// Whether the ellipsoid's figures can be had: loads the module.
bool wgs84Available();

} // namespace geodesy
