#pragma once

#include "geodesy/azimuthal.h"
#include "geodesy/great_circle.h"
#include "geodesy/pi.h"

#include <QPainterPath>

#include <vector>

namespace map {

// Shapes of the globe drawn on the azimuthal map, in its kilometres (x east,
// y north), cut at the rim. Near the antipode, which is the whole rim, the
// map tears: two points a few kilometres apart there lie on opposite sides
// of the disc. So nothing is drawn of a cap one degree round the antipode,
// and where a shape passes through it:
// - a ring goes along the rim instead, as far round as the shape went
//   round the antipode, so that what it encloses stays whole;
// - a line stops at the rim and goes on where it comes back.
// A ring that encloses the antipode without touching the cap encloses the
// rim in the map: the rim is added to it, for the odd-even fill.

// The rim's distance from the centre: half the way round.
inline constexpr double RimKm = geodesy::TruePi * geodesy::EarthRadiusKm;

class RimCut {
public:
    explicit RimCut(const geodesy::Position& centre);

    const geodesy::AzimuthalMap& projection() const { return map_; }

    // A closed ring onto `fill`; its outline, broken at the rim, onto
    // `outline` when given.
    void addRing(const std::vector<geodesy::Position>& ring, QPainterPath& fill, QPainterPath* outline) const;
    void addLine(const std::vector<geodesy::Position>& line, QPainterPath& path) const;

private:
    void addPoints(const std::vector<geodesy::Position>& points, bool ring, QPainterPath* fill,
                   QPainterPath* outline) const;
    bool enclosesAntipode(const std::vector<geodesy::Position>& ring) const;

    geodesy::AzimuthalMap map_;
    geodesy::Position antipode_;
};

// The point `distance` from the centre in the direction `azimuth`, radians
// clockwise from north: x east, y north, as the map's kilometres run.
QPointF pointToward(double azimuth, double distance);
// The rim's point in that direction.
inline QPointF rimPoint(double azimuth) { return pointToward(azimuth, RimKm); }

// The rim as a ring of straight steps.
QPainterPath rimCircle();

// A path of straight lines, as the rim cut makes them, on a device: every
// point that lies within `tolerance` pixels of the last one kept is left
// out, so that painting costs what the picture shows, not what the data
// hold.
QPainterPath onDevice(const QPainterPath& path, const QTransform& transform, double tolerance = 0.5);

} // namespace map
