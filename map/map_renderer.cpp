#include "map/map_renderer.h"

#include "map/classic_font.h"
#include "map/layers.h"
#include "map/map_style.h"
#include "map/world.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace map {
namespace {

constexpr double TruePi = 3.14159265358979323846;

// A line of the grid: a meridian or a parallel, a point a degree.
std::vector<geodesy::Position> meridian(double longitude)
{
    std::vector<geodesy::Position> line;
    for (int latitude = -90; latitude <= 90; ++latitude)
        line.push_back({double(latitude), longitude});
    return line;
}

std::vector<geodesy::Position> parallel(double latitude)
{
    std::vector<geodesy::Position> line;
    for (int longitude = -180; longitude <= 180; ++longitude)
        line.push_back({latitude, double(longitude)});
    return line;
}

// The grid's lines every `east` degrees of longitude and `north` of latitude.
QPainterPath grid(const RimCut& cut, int east, int north)
{
    QPainterPath path;
    for (int longitude = -180; longitude < 180; longitude += east)
        cut.addLine(meridian(longitude), path);
    for (int latitude = -90 + north; latitude < 90; latitude += north)
        cut.addLine(parallel(latitude), path);
    return path;
}

// The labels' font for a picture of that size.
QFont labelFont(double pictureSize)
{
    QFont font = classicFont(8);
    font.setPixelSize(std::max(10, int(pictureSize / 75)));
    return font;
}

layers::View viewOf(const QRectF& target, const MapScene& scene)
{
    layers::View view;
    view.font = labelFont(std::min(target.width(), target.height()));
    const double line = QFontMetricsF(view.font).height();
    QRectF area = target;
    if (!scene.title.isEmpty())
        area.setTop(area.top() + 2 * line);
    // Room outside the disc for the azimuths written at the rim.
    view.discRadius = std::max(1.0, std::min(area.width(), area.height()) / 2 - 1.8 * line);
    view.centre = area.center();
    view.radiusKm = scene.radiusKm;
    const double scale = view.discRadius / scene.radiusKm;
    view.toDevice = QTransform(scale, 0, 0, -scale, view.centre.x(), view.centre.y());
    return view;
}

} // namespace

QPointF layers::View::inDirection(double azimuthDegrees, double pixels) const
{
    const double a = azimuthDegrees * TruePi / 180;
    return centre + QPointF(pixels * std::sin(a), -pixels * std::cos(a));
}

MapRenderer::MapRenderer(const geodesy::Position& centre)
    : centre_(centre)
    , cut_(centre)
{
    project();
}

void MapRenderer::setCentre(const geodesy::Position& centre)
{
    if (centre.latitude == centre_.latitude && centre.longitude == centre_.longitude)
        return;
    centre_ = centre;
    cut_ = RimCut(centre);
    project();
}

void MapRenderer::project()
{
    land_ = QPainterPath();
    land_.setFillRule(Qt::OddEvenFill);
    coasts_ = borders_ = QPainterPath();
    for (const Shape& shape : world().land)
        cut_.addRing(shape.points, land_, &coasts_);
    for (const Shape& shape : world().borders)
        cut_.addLine(shape.points, borders_);
    fields_ = grid(cut_, 20, 10);
    squares_ = grid(cut_, 2, 1);
}

QTransform MapRenderer::transform(const QRectF& target, const MapScene& scene)
{
    return viewOf(target, scene).toDevice;
}

void MapRenderer::paint(QPainter& painter, const QRectF& target, const MapScene& scene) const
{
    paintBase(painter, target, scene);
    paintOverlay(painter, target, scene);
}

void MapRenderer::paintBase(QPainter& painter, const QRectF& target, const MapScene& scene) const
{
    const layers::View view = viewOf(target, scene);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(target, style::Paper);
    if (!scene.title.isEmpty()) {
        painter.setFont(view.font);
        painter.setPen(style::Labels);
        painter.drawText(QRectF(target.left(), target.top(), target.width(), 2 * QFontMetricsF(view.font).height()),
                         Qt::AlignCenter, scene.title);
    }
    QPainterPath disc;
    disc.addEllipse(view.centre, view.discRadius, view.discRadius);
    painter.save();
    painter.setClipPath(disc);
    layers::paintWorld(painter, view, land_, coasts_, borders_);
    if (scene.nightAt)
        layers::paintNight(painter, view, cut_, *scene.nightAt);
    layers::paintMaidenhead(painter, view, cut_, fields_, squares_, scene.log);
    if (scene.log)
        layers::paintLog(painter, view, cut_, *scene.log);
    painter.restore();
    layers::paintRingsAndSpokes(painter, view);
    painter.restore();
}

void MapRenderer::paintOverlay(QPainter& painter, const QRectF& target, const MapScene& scene) const
{
    const layers::View view = viewOf(target, scene);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(view.centre, view.discRadius, view.discRadius);
    painter.setClipPath(disc);
    layers::paintPrefixes(painter, view, layers::placePrefixes(view, cut_, scene));
    if (scene.heading)
        layers::paintAntenna(painter, view, *scene.heading, scene.beamWidth);
    layers::paintStations(painter, view, cut_, scene);
    painter.restore();
}

std::vector<PrefixLabel> MapRenderer::prefixes(const QRectF& target, const MapScene& scene) const
{
    return layers::placePrefixes(viewOf(target, scene), cut_, scene);
}

const dxcc::Entity* MapRenderer::logEntityAt(const QRectF& target, const MapScene& scene, const QPointF& pixel) const
{
    return scene.log ? layers::logEntityAt(viewOf(target, scene), cut_, *scene.log, pixel) : nullptr;
}

} // namespace map
