#pragma once

#include "geodesy/position.h"
#include "map/log_points.h"
#include "map/rim_cut.h"

#include <QString>

#include <optional>
#include <vector>

namespace dxcc {
class CountryFile;
}

namespace map {

struct MapStation {
    geodesy::Position position;
    QString locator;
};

// The antenna's beam drawn until the user sets its width: degrees.
inline constexpr int DefaultBeamWidth = 30;

// The smallest radius a map is drawn with, in km: the window zooms in no
// further, and the command takes no less.
inline constexpr double NearestRadiusKm = 200;

// What one picture of the map shows, about the renderer's centre.
struct MapScene {
    MapStation own;                          // at the centre
    std::vector<MapStation> correspondents;  // each with both paths to it
    std::optional<int> heading;               // the antenna's, whole degrees
    double beamWidth = DefaultBeamWidth;      // degrees
    const LogPoints* log = nullptr;
    const dxcc::CountryFile* countries = nullptr;  // the entities' prefixes, when shown
    bool showPrefixes = false;
    std::optional<double> nightAt;  // seconds since 1970 UTC; the night side is shaded
    double radiusKm = RimKm;        // from the centre to the edge of the picture
    QString title;                  // above the map, when there is one
};

// The title line of a map on paper: the centre's locator and coordinates,
// and the hour of the night shown, in UTC.
QString mapTitle(const MapStation& own, std::optional<double> nightAt);

} // namespace map
