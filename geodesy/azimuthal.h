#pragma once

#include "geodesy/position.h"

namespace geodesy {

// The azimuthal equidistant map of the program's sphere (radius
// EarthRadiusKm) around a centre: a point at great-circle distance d and
// direct azimuth A from the centre lies d kilometres from it, A clockwise from
// north. North is up at the centre; the antipode is the rim, π R away. Every
// straight line from the centre is a great circle: the beam heading, with the
// distance along it.

// A point of the map in kilometres from the centre: x to the east, y to the
// north, as they run at the centre.
struct MapPoint {
    double x;
    double y;
};

// The centre, with the values every point's projection needs, in radians.
struct AzimuthalMap {
    double latitude;
    double longitude;
    double sinLatitude;
    double cosLatitude;
};

AzimuthalMap azimuthalMap(const Position& centre);

// Where a point in degrees lies on the map. The antipode itself, which is
// the whole rim, is put at the rim's top.
MapPoint project(const AzimuthalMap& map, const Position& point);

// The point in degrees that lies there: the great circle from the centre in
// the point's direction, followed for its distance. Beyond the rim the
// great circle goes on round.
Position unproject(const AzimuthalMap& map, const MapPoint& point);

} // namespace geodesy
