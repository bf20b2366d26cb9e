#include "map/map_renderer.h"

#include "face/classic_font.h"
#include "geodesy/pi.h"
#include "threads/both_at_once.h"
#include "map/layers.h"
#include "map/map_style.h"
#include "map/world.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>

#include <cmath>

namespace map {
namespace {


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

// The labels' font for a picture of that size. Unhinted, so that the
// labels take the same room on the screen as on paper, and on any machine
// whatever its font settings: where each label goes depends on it.
QFont labelFont(double pictureSize)
{
    QFont font = classicFont(8);
    font.setPixelSize(std::max(10, int(pictureSize / 75)));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

layers::View viewOf(const QRectF& target, const MapScene& scene, layers::LabelTexts* texts = nullptr)
{
    layers::View view;
    view.font = labelFont(std::min(target.width(), target.height()));
    view.fonts = layers::labelFonts(view.font);
    view.texts = texts;
    const double line = QFontMetricsF(view.font).height();
    const double title = scene.title.isEmpty() ? 0 : 2 * line;
    // The disc as wide as the target allows below the title, the two
    // together in the middle of the target, and room round the disc for the
    // azimuths written at the rim.
    const double side = std::min(target.width(), target.height() - title);
    const double top = target.top() + (target.height() - title - side) / 2;
    if (title > 0)
        view.titleBox = QRectF(target.left(), top + 0.6 * line, target.width(), title);
    view.discRadius = std::max(1.0, side / 2 - 1.8 * line);
    view.centre = QPointF(target.center().x(), top + title + side / 2);
    view.radiusKm = scene.radiusKm;
    view.markDiameter = std::max(5.0, view.discRadius / 80);
    const double scale = view.discRadius / scene.radiusKm;
    view.toDevice = QTransform(scale, 0, 0, -scale, view.centre.x(), view.centre.y());
    return view;
}

void clipToDisc(QPainter& painter, const layers::View& view)
{
    QPainterPath disc;
    disc.addEllipse(view.centre, view.discRadius, view.discRadius);
    painter.setClipPath(disc);
}

void paintDiscBase(QPainter& painter, const layers::View& view, const RimCut& cut, const MapScene& scene,
                   const QPainterPath& land, const QPainterPath& coasts, const QPainterPath& borders,
                   const QPainterPath& fields, const QPainterPath& squares, const std::vector<LogMark>& marks)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    clipToDisc(painter, view);
    layers::paintWorld(painter, view, land, coasts, borders);
    if (scene.nightAt)
        layers::paintNight(painter, view, cut, *scene.nightAt);
    layers::paintMaidenhead(painter, view, cut, fields, squares, scene.log);
    if (scene.log)
        layers::paintLog(painter, marks);
    layers::paintRingsAndSpokes(painter, view);
    painter.restore();
}

// Outside the disc: the paper, the title and the azimuths at the rim.
void paintFrameOf(QPainter& painter, const QRectF& target, const layers::View& view, const MapScene& scene)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(target, style::Paper);
    if (!scene.title.isEmpty()) {
        painter.setFont(view.font);
        painter.setPen(style::Labels);
        painter.drawText(view.titleBox, Qt::AlignCenter, scene.title);
    }
    layers::paintRimAzimuths(painter, view);
    painter.restore();
}

std::vector<MapLabel> placedLabels(const layers::View& view, const RimCut& cut, const MapScene& scene,
                                   const std::vector<LogMark>& marks)
{
    layers::LabelSet labels;
    layers::wishStations(labels, view, cut, scene);
    layers::wishRings(labels, view, cut, scene);
    layers::wishGrid(labels, view, cut);
    layers::wishPrefixes(labels, view, cut, scene);
    if (scene.log)
        layers::wishLogCounts(labels, view, marks);
    return labels.place(view);
}

void paintDiscOverlay(QPainter& painter, const layers::View& view, const RimCut& cut, const MapScene& scene,
                      const std::vector<LogMark>& marks)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    clipToDisc(painter, view);
    if (scene.heading)
        layers::paintAntenna(painter, view, *scene.heading, scene.beamWidth);
    layers::paintStations(painter, view, cut, scene);
    layers::paintLabels(painter, view, placedLabels(view, cut, scene, marks));
    painter.restore();
}

} // namespace

QPointF layers::View::inDirection(double azimuthDegrees, double pixels) const
{
    const QPointF p = pointToward(geodesy::trueRadians(azimuthDegrees), pixels);
    return centre + QPointF(p.x(), -p.y());  // the device's y runs south
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
    // The land on one core, the borders and the fields on the other.
    threads::bothAtOnce(
        [this] {
            for (const Shape& shape : world().land)
                cut_.addRing(shape.points, land_, &coasts_);
        },
        [this] {
            for (const Shape& shape : world().borders)
                cut_.addLine(shape.points, borders_);
            fields_ = grid(cut_, 20, 10);
        });
    squares_.reset();
    marks_.reset();
}

QTransform MapRenderer::transform(const QRectF& target, const MapScene& scene)
{
    return viewOf(target, scene).toDevice;
}

QPointF MapRenderer::discCentre(const QRectF& target, const MapScene& scene)
{
    return viewOf(target, scene).centre;
}

double MapRenderer::discRadius(const QRectF& target, const MapScene& scene)
{
    return viewOf(target, scene).discRadius;
}

void MapRenderer::paint(QPainter& painter, const QRectF& target, const MapScene& scene) const
{
    const layers::View view = viewOf(target, scene, &texts_);
    paintFrameOf(painter, target, view, scene);
    paintDiscBase(painter, view, cut_, scene, land_, coasts_, borders_, fields_, squaresFor(scene), marksFor(view, scene));
    paintDiscOverlay(painter, view, cut_, scene, marksFor(view, scene));
}

void MapRenderer::paintBase(QPainter& painter, const QRectF& target, const MapScene& scene) const
{
    const layers::View view = viewOf(target, scene);
    paintFrameOf(painter, target, view, scene);
    paintDiscBase(painter, view, cut_, scene, land_, coasts_, borders_, fields_, squaresFor(scene), marksFor(view, scene));
}

void MapRenderer::paintOverlay(QPainter& painter, const QRectF& target, const MapScene& scene) const
{
    const layers::View view = viewOf(target, scene, &texts_);
    paintDiscOverlay(painter, view, cut_, scene, marksFor(view, scene));
}

void MapRenderer::paintFrame(QPainter& painter, const QRectF& target, const MapScene& scene) const
{
    paintFrameOf(painter, target, viewOf(target, scene), scene);
}

void MapRenderer::paintDisc(QPainter& painter, const QRectF& target, const MapScene& scene) const
{
    const layers::View view = viewOf(target, scene, &texts_);
    paintDiscBase(painter, view, cut_, scene, land_, coasts_, borders_, fields_, squaresFor(scene), marksFor(view, scene));
    paintDiscOverlay(painter, view, cut_, scene, marksFor(view, scene));
}

const std::vector<LogMark>& MapRenderer::marksFor(const layers::View& view, const MapScene& scene) const
{
    static const std::vector<LogMark> none;
    if (!scene.log)
        return none;
    if (!marks_ || marks_->log != scene.log || marks_->centre != view.centre || marks_->discRadius != view.discRadius
        || marks_->radiusKm != view.radiusKm)
        marks_ = Marks{scene.log, view.centre, view.discRadius, view.radiusKm, layers::logMarks(view, cut_, *scene.log)};
    return marks_->marks;
}

const QPainterPath& MapRenderer::squaresFor(const MapScene& scene) const
{
    static const QPainterPath none;
    if (scene.radiusKm > style::SquaresWithinKm)
        return none;
    if (!squares_)
        squares_ = grid(cut_, 2, 1);
    return *squares_;
}

std::vector<MapLabel> MapRenderer::labels(const QRectF& target, const MapScene& scene) const
{
    const layers::View view = viewOf(target, scene, &texts_);
    return placedLabels(view, cut_, scene, marksFor(view, scene));
}

std::optional<LogMark> MapRenderer::logMarkAt(const QRectF& target, const MapScene& scene, const QPointF& pixel) const
{
    if (!scene.log)
        return std::nullopt;
    for (const LogMark& mark : marksFor(viewOf(target, scene), scene))
        if (QLineF(QPointF(mark.x, mark.y), pixel).length() <= mark.diameter / 2 + 2)
            return mark;
    return std::nullopt;
}

} // namespace map
