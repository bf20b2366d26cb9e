// What the map is read by: the Maidenhead grid and its letters, the squares
// of a log worked, the distance rings and their distances, the azimuth
// spokes and the azimuths at the rim.

#include "map/layers.h"

#include "geodesy/pi.h"
#include "map/map_style.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace map::layers {
namespace {


QString letters(int east, int north) { return QString(QChar('A' + east)) + QChar('A' + north); }

// A round step for rings: about five of them out to the edge.
double ringStep(double radiusKm)
{
    if (radiusKm >= RimKm * 0.99)
        return 1000;
    const double raw = radiusKm / 5;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (const double nice : {1.0, 2.0, 5.0})
        if (nice * power >= raw)
            return nice * power;
    return 10 * power;
}

bool wholeEarth(const View& view) { return view.radiusKm >= RimKm * 0.99; }

// How far, in degrees, a bearing lies from the nearest direction the map
// already draws along: a path, either way, or the antenna's beam.
double clearance(double bearing, const RimCut& cut, const MapScene& scene)
{
    const auto apart = [](double a, double b) {
        const double d = std::fmod(std::fabs(a - b), 360);
        return std::min(d, 360 - d);
    };
    double nearest = 180;
    for (const MapStation& station : scene.correspondents) {
        const geodesy::MapPoint p = geodesy::project(cut.projection(), station.position);
        const double azimuth = geodesy::trueDegrees(std::atan2(p.x, p.y));
        nearest = std::min({nearest, apart(bearing, azimuth), apart(bearing, azimuth + 180)});
    }
    if (scene.heading)
        nearest = std::min(nearest, std::max(0.0, apart(bearing, *scene.heading) - scene.beamWidth / 2));
    return nearest;
}

// A cell of the grid labelled at its centre, where the cell is wide and tall
// enough on the map for the label and its centre lies well inside the disc.
void wishCell(LabelSet& labels, const View& view, const RimCut& cut, const QString& text, double latitude,
              double longitude, double halfWidth, double halfHeight)
{
    const auto at = [&](double north, double east) {
        return view.at(geodesy::project(cut.projection(), {latitude + north, longitude + east}));
    };
    const QPointF centre = at(0, 0);
    if (QLineF(centre, view.centre).length() > view.discRadius * 0.97)
        return;
    const QRectF box = view.box(LabelKind::Grid, text, centre);
    if (QLineF(at(0, -halfWidth), at(0, halfWidth)).length() < box.width() * 1.4
        || QLineF(at(-halfHeight, 0), at(halfHeight, 0)).length() < box.height() * 1.4)
        return;
    labels.wish(LabelKind::Grid, text, {centre, {box}, false});
}

} // namespace

void paintMaidenhead(QPainter& painter, const View& view, const RimCut& cut, const QPainterPath& fields,
                     const QPainterPath& squares, const LogPoints* log)
{
    const bool withSquares = view.radiusKm <= style::SquaresWithinKm;
    if (withSquares && log) {
        // The squares worked, a multiplier map.
        for (std::size_t square = 0; square < log->squares.size(); ++square) {
            if (!log->squares[square])
                continue;
            const geodesy::Position corner = LogPoints::squareCorner(square);
            const double west = corner.longitude, south = corner.latitude;
            QPainterPath cell;
            cut.addRing({{south, west}, {south, west + 2}, {south + 1, west + 2}, {south + 1, west}}, cell, nullptr);
            fillArea(painter, onView(view, cell, true), style::WorkedSquare);
        }
    }
    if (withSquares)
        painter.strokePath(onView(view, squares, false), devicePen(style::Grid, 0.5));
    painter.strokePath(onView(view, fields, false), devicePen(style::Grid, withSquares ? 1.2 : 0.8));
}

void wishGrid(LabelSet& labels, const View& view, const RimCut& cut)
{
    const bool withSquares = view.radiusKm <= style::SquaresWithinKm;
    for (int east = 0; east < 18; ++east)
        for (int north = 0; north < 18; ++north) {
            const double west = -180 + 20 * east, south = -90 + 10 * north;
            const geodesy::MapPoint middle = geodesy::project(cut.projection(), {south + 5, west + 10});
            // A field lies within some 1300 km of its middle.
            if (std::hypot(middle.x, middle.y) > view.radiusKm + 1500)
                continue;
            const QString field = letters(east, north);
            // The squares' labels where a square is large enough for one,
            // else the field's.
            const std::size_t before = labels.size();
            if (withSquares)
                for (int x = 0; x < 10; ++x)
                    for (int y = 0; y < 10; ++y)
                        wishCell(labels, view, cut, field + QString::number(x) + QString::number(y), south + y + 0.5,
                                 west + 2 * x + 1, 1, 0.5);
            if (labels.size() == before)
                wishCell(labels, view, cut, field, south + 5, west + 10, 10, 5);
        }
}

void paintRingsAndSpokes(QPainter& painter, const View& view)
{
    painter.save();
    painter.setPen(devicePen(style::Rings, 0.6));
    const double step = ringStep(view.radiusKm);
    const double pixelsPerKm = view.discRadius / view.radiusKm;
    for (double km = step; km < std::min(view.radiusKm, RimKm); km += step)
        painter.drawEllipse(view.centre, km * pixelsPerKm, km * pixelsPerKm);
    for (int azimuth = 0; azimuth < 360; azimuth += 10)
        painter.drawLine(view.centre, view.inDirection(azimuth, view.discRadius));
    painter.restore();
}

void paintRimAzimuths(QPainter& painter, const View& view)
{
    painter.save();
    painter.setPen(devicePen(style::Labels, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(view.centre, view.discRadius, view.discRadius);
    painter.setFont(view.font);
    const QFontMetricsF metrics(view.font);
    for (int azimuth = 0; azimuth < 360; azimuth += 30) {
        const QString label = QStringLiteral("%1°").arg(azimuth);
        const QSizeF size = metrics.size(0, label);
        const QPointF at = view.inDirection(azimuth, view.discRadius + metrics.height() * 0.9);
        painter.drawText(QRectF(at - QPointF(size.width() / 2, size.height() / 2), size), Qt::AlignCenter, label);
    }
    painter.restore();
}

// The rings' distances along one bearing, the one farthest from the paths
// and the beam, between two spokes; as many rings labelled as keep the
// labels apart: every one, every second or every fifth; on the whole Earth
// never every one.
void wishRings(LabelSet& labels, const View& view, const RimCut& cut, const MapScene& scene)
{
    double bearing = 45;
    for (int i = 0; i < 36; ++i) {
        const double candidate = std::fmod(45 + 10 * i, 360);
        if (clearance(candidate, cut, scene) > clearance(bearing, cut, scene))
            bearing = candidate;
    }
    const double step = ringStep(view.radiusKm);
    const double pixelsPerKm = view.discRadius / view.radiusKm;
    const double last = std::min(view.radiusKm, RimKm);
    const QRectF widest = view.box(LabelKind::Ring, QStringLiteral("%1 км").arg(last, 0, 'f', 0), {});
    const double b = geodesy::trueRadians(bearing);
    const double along = std::fabs(widest.width() * std::sin(b)) + std::fabs(widest.height() * std::cos(b));
    double every = 1;
    for (const double k : {1.0, 2.0, 5.0, 10.0}) {
        every = k;
        if ((k > 1 || !wholeEarth(view)) && k * step * pixelsPerKm >= along + widest.height() / 2)
            break;
    }
    for (double km = every * step; km < last; km += every * step) {
        const QString text = QStringLiteral("%1 км").arg(km, 0, 'f', 0);
        const QPointF at = view.inDirection(bearing, km * pixelsPerKm);
        labels.wish(LabelKind::Ring, text, {at, {view.box(LabelKind::Ring, text, at)}, false});
    }
}

} // namespace map::layers
