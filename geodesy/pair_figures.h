#pragma once

#include "geodesy/great_circle.h"
#include "geodesy/long_path.h"
#include "geodesy/position.h"
#include "geodesy/wgs84.h"

#include <optional>

namespace geodesy {

// Everything the program tells of one pair of stations.
struct PairFigures {
    // The short path on the program's sphere, as the window's labels and
    // compass show it; without a distance when the points coincide.
    GreatCircle shortPath;
    // The other way round the sphere, when the distance is known.
    std::optional<LongPath> longPath;
    // The geodesic on the WGS-84 ellipsoid, when asked for.
    std::optional<Wgs84Path> wgs84;
};

// From the own station to the correspondent, both in degrees: through
// toRadians into greatCircle, then the long path from its results, then
// GeographicLib's geodesic. The window and the command both take their
// figures from here.
PairFigures pairFigures(const Position& own, const Position& kor, bool withWgs84);

} // namespace geodesy
