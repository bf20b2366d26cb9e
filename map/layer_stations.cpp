// What the map tells of the stations: the antenna's beam, both paths to
// each correspondent, the stations' dots and their labels.

#include "map/layers.h"

#include "geodesy/pair_figures.h"
#include "geodesy/pi.h"
#include "map/map_style.h"
#include "map/path_clip.h"

#include <QLineF>
#include <QPainter>

#include <cmath>

namespace map::layers {
namespace {


double lineWidth(const View& view) { return std::max(2.0, view.discRadius / 300); }
double dotRadius(const View& view) { return lineWidth(view) + 2; }

void dot(QPainter& painter, const QPointF& at, double radius)
{
    painter.setPen(devicePen(Qt::white, 1, Qt::RoundCap));
    painter.setBrush(style::Station);
    painter.drawEllipse(at, radius, radius);
}

QRectF around(const QPointF& at, double radius)
{
    return {at - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)};
}

// A line of the paths, only as far as it lies near the disc.
void drawLine(QPainter& painter, const View& view, const QPointF& from, const QPointF& to)
{
    QPainterPath line(from);
    line.lineTo(to);
    if (const QPainterPath near = clippedTo(line, view.nearDisc(), false); !near.isEmpty())
        painter.drawPath(near);
}

// Where a correspondent is drawn: at its point, or, beyond the disc, at
// the rim where its short path leaves it, in the direction `azimuth`.
struct Seen {
    QPointF at;
    double azimuth;  // radians
    bool beyond;
    bool central;    // at the centre itself, without a direction
};

Seen seen(const View& view, const RimCut& cut, const MapStation& station)
{
    const geodesy::MapPoint p = geodesy::project(cut.projection(), station.position);
    const double azimuth = std::atan2(p.x, p.y);
    const bool beyond = std::hypot(p.x, p.y) > view.radiusKm;
    return {beyond ? view.inDirection(geodesy::trueDegrees(azimuth), view.discRadius) : view.at(p), azimuth, beyond,
            std::hypot(p.x, p.y) < 1e-6};
}

// The arrow at the rim that points on to a correspondent beyond it.
QPolygonF arrow(const View& view, double azimuth)
{
    const double size = 2.5 * dotRadius(view);
    const double degrees = geodesy::trueDegrees(azimuth);
    const double spread = geodesy::trueDegrees(size / view.discRadius);
    return QPolygonF{view.inDirection(degrees, view.discRadius - 0.5),
                     view.inDirection(degrees - spread / 2, view.discRadius - size),
                     view.inDirection(degrees + spread / 2, view.discRadius - size)};
}

// "JO62QM 1611 км": the station as it was given, and the distance to it.
QString correspondentText(const MapScene& scene, const MapStation& correspondent)
{
    const geodesy::PairFigures figures = geodesy::pairFigures(scene.own.position, correspondent.position, false);
    const QString distance = figures.shortPath.distanceKm
        ? QStringLiteral(" %1 км").arg(*figures.shortPath.distanceKm, 0, 'f', 0)
        : QString();
    return correspondent.locator + distance;
}

// Round a point: beside it at each corner, then above, below and on
// either side; the box centred so that it clears `gap`.
std::vector<QRectF> placesAround(const View& view, LabelKind kind, const QString& text, const QPointF& at, double gap)
{
    const QSizeF size = view.box(kind, text, at).size();
    const double dx = gap + size.width() / 2, dy = gap + size.height() / 2;
    const double cx = 0.7 * gap + size.width() / 2, cy = 0.7 * gap + size.height() / 2;
    std::vector<QRectF> places;
    for (const QPointF& offset : {QPointF(cx, -cy), QPointF(cx, cy), QPointF(-cx, -cy), QPointF(-cx, cy),
                                  QPointF(0, -dy), QPointF(0, dy), QPointF(dx, 0), QPointF(-dx, 0)})
        places.push_back(view.box(kind, text, at + offset));
    return places;
}

// Inside the rim, behind the arrow, ever farther in.
std::vector<QRectF> placesInside(const View& view, const QString& text, const Seen& rim)
{
    const QSizeF size = view.box(LabelKind::Correspondent, text, rim.at).size();
    const QPointF outward(std::sin(rim.azimuth), -std::cos(rim.azimuth));
    const double half = (std::fabs(size.width() * outward.x()) + std::fabs(size.height() * outward.y())) / 2;
    const QPointF sideways(-outward.y(), outward.x());
    std::vector<QRectF> places;
    for (int step = 0; step < 4; ++step)
        for (const double side : {0.0, 1.0, -1.0}) {
            const double in = 3 * dotRadius(view) + half + step * size.height();
            places.push_back(view.box(LabelKind::Correspondent, text,
                                      rim.at - in * outward + side * size.height() * sideways));
        }
    return places;
}

} // namespace

void paintAntenna(QPainter& painter, const View& view, int heading, double beamWidth)
{
    // The beam's arc in straight steps, whatever its width; the last one
    // reached despite the steps' rounding.
    constexpr int ArcSteps = 30;
    QPolygonF beam{view.centre};
    for (double a = heading - beamWidth / 2; a <= heading + beamWidth / 2 + 1e-9; a += beamWidth / ArcSteps)
        beam << view.inDirection(a, view.discRadius);
    painter.save();
    painter.setPen(devicePen(style::AntennaEdge, 1, Qt::RoundCap));
    painter.setBrush(style::Antenna);
    painter.drawPolygon(beam);
    painter.restore();
}

void paintStations(QPainter& painter, const View& view, const RimCut& cut, const MapScene& scene)
{
    painter.save();
    const double width = lineWidth(view);
    for (const MapStation& correspondent : scene.correspondents) {
        const Seen kor = seen(view, cut, correspondent);
        if (kor.central)
            continue;
        const geodesy::MapPoint p = geodesy::project(cut.projection(), correspondent.position);
        // The long way: out the other way to the rim, and in again from the
        // rim on the correspondent's side, along the same diameter.
        painter.setPen(devicePen(style::LongPath, width, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        drawLine(painter, view, view.centre, view.at(rimPoint(kor.azimuth + geodesy::TruePi)));
        drawLine(painter, view, view.at(rimPoint(kor.azimuth)), view.at(p));
        painter.setPen(devicePen(style::ShortPath, width, Qt::RoundCap));
        drawLine(painter, view, view.centre, view.at(p));
        if (kor.beyond) {
            painter.setPen(devicePen(Qt::white, 1, Qt::RoundCap));
            painter.setBrush(style::ShortPath);
            painter.drawPolygon(arrow(view, kor.azimuth));
        } else {
            dot(painter, kor.at, dotRadius(view));
        }
    }
    dot(painter, view.centre, dotRadius(view));
    painter.restore();
}

void wishStations(LabelSet& labels, const View& view, const RimCut& cut, const MapScene& scene)
{
    const double gap = dotRadius(view) + 2;
    labels.occupy(around(view.centre, dotRadius(view)));
    std::vector<Seen> kors;
    for (const MapStation& correspondent : scene.correspondents) {
        kors.push_back(seen(view, cut, correspondent));
        labels.occupy(kors.back().beyond ? arrow(view, kors.back().azimuth).boundingRect()
                                         : around(kors.back().at, dotRadius(view)));
    }
    labels.wish(LabelKind::Own, scene.own.locator,
                {view.centre, placesAround(view, LabelKind::Own, scene.own.locator, view.centre, gap), true});
    for (std::size_t i = 0; i < kors.size(); ++i) {
        if (kors[i].central)
            continue;
        const QString text = correspondentText(scene, scene.correspondents[i]);
        labels.wish(LabelKind::Correspondent, text,
                    {kors[i].at,
                     kors[i].beyond ? placesInside(view, text, kors[i])
                                    : placesAround(view, LabelKind::Correspondent, text, kors[i].at, gap),
                     true});
    }
}

} // namespace map::layers
