#include "map/rim_cut.h"

#include <algorithm>
#include <cmath>

namespace map {
namespace {

constexpr double CapKm = RimKm - geodesy::TruePi / 180 * geodesy::EarthRadiusKm;  // one degree short of the rim
constexpr double LongestStep = 1;                      // degrees between points, before projection
constexpr double RimStep = 2 * geodesy::TruePi / 360;  // radians between points along the rim

double azimuthOf(const geodesy::MapPoint& point) { return std::atan2(point.x, point.y); }
double distanceOf(const geodesy::MapPoint& point) { return std::hypot(point.x, point.y); }

// The turn from one direction to another, the short way: -pi..pi.
double turn(double from, double to) { return std::remainder(to - from, 2 * geodesy::TruePi); }

// The points, no step longer than LongestStep, each projected.
std::vector<geodesy::MapPoint> projectedSteps(const geodesy::AzimuthalMap& map,
                                              const std::vector<geodesy::Position>& points, bool ring)
{
    std::vector<geodesy::MapPoint> projected;
    // Room for a few steps added between the points; more grow it as usual.
    projected.reserve(points.size() + 16);
    const std::size_t edges = ring ? points.size() : points.size() - 1;
    for (std::size_t i = 0; i < edges; ++i) {
        const geodesy::Position& a = points[i];
        const geodesy::Position& b = points[(i + 1) % points.size()];
        const int steps = 1 + int(std::fmax(std::fabs(b.latitude - a.latitude), std::fabs(b.longitude - a.longitude))
                                  / LongestStep);
        for (int k = 0; k < steps; ++k) {
            const double t = double(k) / steps;
            projected.push_back(geodesy::project(
                map, {a.latitude + (b.latitude - a.latitude) * t, a.longitude + (b.longitude - a.longitude) * t}));
        }
    }
    if (!ring)
        projected.push_back(geodesy::project(map, points.back()));
    return projected;
}

// The first point shown, outside the cap; the size when there is none.
std::size_t firstShown(const std::vector<geodesy::MapPoint>& projected)
{
    std::size_t first = 0;
    while (first < projected.size() && distanceOf(projected[first]) >= CapKm)
        ++first;
    return first;
}

// A ring that keeps clear of the cap, as it is.
void addWhole(const std::vector<geodesy::MapPoint>& projected, QPainterPath& fill, QPainterPath* outline)
{
    QPolygonF polygon;
    for (const geodesy::MapPoint& p : projected)
        polygon << QPointF(p.x, p.y);
    fill.addPolygon(polygon);
    fill.closeSubpath();
    if (outline) {
        outline->addPolygon(polygon);
        outline->closeSubpath();
    }
}

// A shape that enters the cap, walked from its first point shown: once
// round for a ring, to the end for a line.
void addCut(const std::vector<geodesy::MapPoint>& projected, std::size_t first, bool ring, QPainterPath* fill,
            QPainterPath* outline)
{
    const std::size_t count = ring ? projected.size() + 1 : projected.size() - first;
    QPolygonF shown;  // the ring so far, rim included
    QPolygonF piece;  // the outline's piece under way
    bool outside = false;
    double exitAzimuth = 0, lastAzimuth = 0, swept = 0;
    const auto flushPiece = [&] {
        if (outline && piece.size() > 1)
            outline->addPolygon(piece);
        piece.clear();
    };
    for (std::size_t n = 0; n < count; ++n) {
        const geodesy::MapPoint& p = projected[(first + n) % projected.size()];
        const double azimuth = azimuthOf(p);
        const bool beyond = distanceOf(p) >= CapKm;
        if (!beyond && !outside) {
            shown << QPointF(p.x, p.y);
            piece << QPointF(p.x, p.y);
        } else if (beyond && !outside) {
            // Out through the cap's edge: to the rim, in the direction it left.
            outside = true;
            exitAzimuth = lastAzimuth = azimuth;
            swept = 0;
            shown << rimPoint(exitAzimuth);
            piece << rimPoint(exitAzimuth);
            flushPiece();
        } else if (beyond) {
            swept += turn(lastAzimuth, azimuth);
            lastAzimuth = azimuth;
        } else {
            // Back in: along the rim as far round as the shape went.
            outside = false;
            swept += turn(lastAzimuth, azimuth);
            const int steps = int(std::ceil(std::fabs(swept) / RimStep));
            for (int k = 1; k <= steps; ++k)
                shown << rimPoint(exitAzimuth + swept * k / steps);
            shown << QPointF(p.x, p.y);
            piece << rimPoint(azimuth) << QPointF(p.x, p.y);
        }
    }
    flushPiece();
    if (ring) {
        fill->addPolygon(shown);
        fill->closeSubpath();
    }
}

} // namespace

RimCut::RimCut(const geodesy::Position& centre)
    : map_(geodesy::azimuthalMap(centre))
    , antipode_{-centre.latitude, std::remainder(centre.longitude + 180, 360.0)}
{
}

void RimCut::addRing(const std::vector<geodesy::Position>& ring, QPainterPath& fill, QPainterPath* outline) const
{
    addPoints(ring, true, &fill, outline);
}

void RimCut::addLine(const std::vector<geodesy::Position>& line, QPainterPath& path) const
{
    addPoints(line, false, nullptr, &path);
}

// Whether the antipode lies inside the ring, by the crossings of a meridian
// in plain latitude and longitude: the data are cut at the antimeridian, and
// rings round a pole run along it.
bool RimCut::enclosesAntipode(const std::vector<geodesy::Position>& ring) const
{
    bool inside = false;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const geodesy::Position& a = ring[i];
        const geodesy::Position& b = ring[j];
        if ((a.longitude > antipode_.longitude) != (b.longitude > antipode_.longitude)
            && antipode_.latitude < a.latitude + (b.latitude - a.latitude) * (antipode_.longitude - a.longitude)
                                                      / (b.longitude - a.longitude))
            inside = !inside;
    }
    return inside;
}

void RimCut::addPoints(const std::vector<geodesy::Position>& points, bool ring, QPainterPath* fill,
                       QPainterPath* outline) const
{
    if (points.size() < 2)
        return;
    const std::vector<geodesy::MapPoint> projected = projectedSteps(map_, points, ring);
    // A shape all within the cap is not shown; a ring all clear of it is
    // kept whole.
    const std::size_t first = firstShown(projected);
    if (first == projected.size())
        return;
    if (ring && first == 0 && std::all_of(projected.begin(), projected.end(),
                                          [](const geodesy::MapPoint& p) { return distanceOf(p) < CapKm; })) {
        addWhole(projected, *fill, outline);
        if (enclosesAntipode(points))
            fill->addPath(rimCircle());
        return;
    }
    addCut(projected, first, ring, fill, outline);
}

QPointF pointToward(double azimuth, double distance)
{
    return {distance * std::sin(azimuth), distance * std::cos(azimuth)};
}

QPainterPath rimCircle()
{
    QPolygonF rim;
    for (double a = 0; a < 2 * geodesy::TruePi; a += RimStep / 2)
        rim << rimPoint(a);
    QPainterPath path;
    path.addPolygon(rim);
    path.closeSubpath();
    return path;
}

QPainterPath onDevice(const QPainterPath& path, const QTransform& transform, double tolerance)
{
    QPainterPath device;
    device.setFillRule(path.fillRule());
    QPointF last;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        const QPointF point = transform.map(QPointF(element.x, element.y));
        if (element.isMoveTo()) {
            device.moveTo(point);
            last = point;
        } else if (std::fabs(point.x() - last.x()) + std::fabs(point.y() - last.y()) >= tolerance
                   || i + 1 == path.elementCount() || path.elementAt(i + 1).isMoveTo()) {
            device.lineTo(point);
            last = point;
        }
    }
    return device;
}

} // namespace map
