#pragma once

#include "geodesy/inline_text.h"
#include "geodesy/long_path.h"
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

// An azimuth to the nearest whole degree, 0..359: 359.5 and above read 0.
int wholeDegrees(double azimuth);

// The long path and the ellipsoid's figures as the window shows them beside
// its three result labels, in UTF-8.
using PathText = InlineText<128>;
struct PathTexts {
    PathText azimutPush;
    PathText azimutPull;
    PathText dalnost;
};

PathTexts pathTexts(const LongPath& longPath, const Wgs84Path& wgs84);

} // namespace geodesy
