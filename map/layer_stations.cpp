// What the map tells of the stations: the log's correspondents, the
// antenna's beam, both paths to the correspondent and the two stations.

#include "map/layers.h"

#include "geodesy/pair_figures.h"
#include "map/map_style.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace map::layers {
namespace {

constexpr double TruePi = 3.14159265358979323846;

QPen line(const QColor& colour, double width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap);
    pen.setCosmetic(true);
    return pen;
}

// Up and to the right of the station's dot.
QRectF labelBox(const View& view, const QPointF& at, const QString& text)
{
    const QFontMetricsF metrics(view.font);
    return QRectF(at + QPointF(6, -metrics.height() - 2), metrics.size(0, text) + QSizeF(4, 0));
}

void label(QPainter& painter, const View& view, const QPointF& at, const QString& text)
{
    painter.setFont(view.font);
    const QRectF box = labelBox(view, at, text);
    painter.fillRect(box, QColor(255, 255, 255, 190));
    painter.setPen(style::Labels);
    painter.drawText(box, Qt::AlignCenter, text);
}

void dot(QPainter& painter, const QPointF& at, double radius)
{
    painter.setPen(line(Qt::white, 1));
    painter.setBrush(style::Station);
    painter.drawEllipse(at, radius, radius);
}

double lineWidth(const View& view) { return std::max(2.0, view.discRadius / 300); }

// "JO62QM 1611 km": the locator and the distance to it.
QString correspondentText(const MapScene& scene, const MapStation& correspondent)
{
    const geodesy::PairFigures figures = geodesy::pairFigures(scene.own.position, correspondent.position, false);
    const QString distance = figures.shortPath.distanceKm
        ? QStringLiteral(" %1 км").arg(*figures.shortPath.distanceKm, 0, 'f', 0)
        : QString();
    return correspondent.locator + distance;
}

} // namespace

double logDotWidth(const View& view) { return std::max(3.0, view.discRadius / 250); }

double countryRingRadius(const View& view) { return logDotWidth(view) + 1; }

namespace {

// Where a log's point stands on the device, and whether within the map's
// radius.
bool onMap(const View& view, const RimCut& cut, const LogPoints::Point& point, QPointF* at)
{
    const geodesy::MapPoint p = geodesy::project(cut.projection(), {point.latitude, point.longitude});
    *at = view.at(p);
    return std::hypot(p.x, p.y) <= view.radiusKm;
}

} // namespace

void paintLog(QPainter& painter, const View& view, const RimCut& cut, const LogPoints& log)
{
    const QPen pen = line(style::LogDot, logDotWidth(view));
    painter.save();
    if (painter.paintEngine()->type() == QPaintEngine::Raster) {
        // On pixels the dot is drawn once and stamped at each QSO, whole
        // pixels apart: an antialiased circle for each of a big log's
        // QSOs took a second.
        const int side = int(std::ceil(pen.widthF())) + 2;
        QImage stamp(side, side, QImage::Format_ARGB32_Premultiplied);
        stamp.fill(Qt::transparent);
        QPainter onStamp(&stamp);
        onStamp.setRenderHint(QPainter::Antialiasing);
        onStamp.setPen(pen);
        onStamp.drawPoint(QPointF(side / 2.0, side / 2.0));
        onStamp.end();
        const QPointF corner(side / 2.0, side / 2.0);
        QPointF at;
        for (const LogPoints::Point& point : log.points)
            if (onMap(view, cut, point, &at))
                painter.drawImage((at - corner).toPoint(), stamp);
    } else {
        QPolygonF dots;
        QPointF at;
        for (const LogPoints::Point& point : log.points)
            if (onMap(view, cut, point, &at))
                dots << at;
        painter.setPen(pen);
        painter.drawPoints(dots);
    }
    // The QSOs placed at their country: a ring each place, however many
    // QSOs share it, since they all share their entity's one point.
    std::vector<QPoint> places;
    QPointF at;
    for (const LogPoints::Point& point : log.entityPoints)
        if (onMap(view, cut, point, &at))
            places.push_back(at.toPoint());
    std::sort(places.begin(), places.end(), [](const QPoint& a, const QPoint& b) {
        return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y();
    });
    places.erase(std::unique(places.begin(), places.end()), places.end());
    const double ring = countryRingRadius(view);
    painter.setPen(line(style::LogDot, 1.5));
    painter.setBrush(Qt::NoBrush);
    for (const QPoint& place : places)
        painter.drawEllipse(QPointF(place), ring, ring);
    painter.restore();
}

const dxcc::Entity* logEntityAt(const View& view, const RimCut& cut, const LogPoints& log, const QPointF& pixel)
{
    const double reach = countryRingRadius(view) + 2;
    QPointF at;
    for (std::size_t i = 0; i < log.entityPoints.size(); ++i)
        if (onMap(view, cut, log.entityPoints[i], &at) && QLineF(at, pixel).length() <= reach)
            return log.entities[i];
    return nullptr;
}

void paintAntenna(QPainter& painter, const View& view, int heading, double beamWidth)
{
    QPolygonF beam{view.centre};
    for (double a = heading - beamWidth / 2; a <= heading + beamWidth / 2 + 1e-9; a += beamWidth / 30)
        beam << view.inDirection(a, view.discRadius);
    painter.save();
    painter.setPen(line(style::AntennaEdge, 1));
    painter.setBrush(style::Antenna);
    painter.drawPolygon(beam);
    painter.restore();
}

void paintStations(QPainter& painter, const View& view, const RimCut& cut, const MapScene& scene)
{
    painter.save();
    const double width = lineWidth(view);
    for (const MapStation& correspondent : scene.correspondents) {
        const geodesy::MapPoint kor = geodesy::project(cut.projection(), correspondent.position);
        const double azimuth = std::atan2(kor.x, kor.y);
        const auto rim = [&](double a) { return view.at(RimKm * std::sin(a), RimKm * std::cos(a)); };
        // The long way: out the other way to the rim, and in again from the
        // rim on the correspondent's side, along the same diameter.
        painter.setPen(line(style::LongPath, width));
        painter.drawLine(view.centre, rim(azimuth + TruePi));
        painter.drawLine(rim(azimuth), view.at(kor));
        painter.setPen(line(style::ShortPath, width));
        painter.drawLine(view.centre, view.at(kor));
        dot(painter, view.at(kor), width + 2);
        label(painter, view, view.at(kor), correspondentText(scene, correspondent));
    }
    dot(painter, view.centre, width + 2);
    label(painter, view, view.centre, scene.own.locator);
    painter.restore();
}

std::vector<QRectF> stationBoxes(const View& view, const RimCut& cut, const MapScene& scene)
{
    const double radius = lineWidth(view) + 2;
    const auto taken = [&](const QPointF& at, const QString& text) {
        return std::array<QRectF, 2>{labelBox(view, at, text),
                                     QRectF(at - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius))};
    };
    std::vector<QRectF> boxes;
    for (const QRectF& box : taken(view.centre, scene.own.locator))
        boxes.push_back(box);
    for (const MapStation& correspondent : scene.correspondents)
        for (const QRectF& box : taken(view.at(geodesy::project(cut.projection(), correspondent.position)),
                                       correspondentText(scene, correspondent)))
            boxes.push_back(box);
    return boxes;
}

} // namespace map::layers
