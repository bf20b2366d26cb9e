#pragma once

#include "map/map_scene.h"
#include "map/prefix_labels.h"
#include "map/rim_cut.h"

#include <QFont>
#include <QPen>
#include <QPainterPath>
#include <QTransform>

#include <vector>

class QPainter;

// The layers of a map picture, each painting onto the same view.
namespace map::layers {

struct View {
    QTransform toDevice;  // from the map's kilometres
    QPointF centre;       // of the disc, in the device's pixels
    double discRadius;    // pixels
    double radiusKm;      // the disc's radius on the map
    QFont font;           // labels, sized to the picture

    QPointF at(double xKm, double yKm) const { return toDevice.map(QPointF(xKm, yKm)); }
    QPointF at(const geodesy::MapPoint& p) const { return at(p.x, p.y); }
    // A point in a direction from the centre, `pixels` from it.
    QPointF inDirection(double azimuthDegrees, double pixels) const;
};

// A line `width` pixels wide on the device, whatever the painter's scale.
QPen hairline(const QColor& colour, double width = 1);
void fillArea(QPainter& painter, const QPainterPath& devicePath, const QColor& colour);
void paintWorld(QPainter& painter, const View& view, const QPainterPath& land, const QPainterPath& coasts,
                const QPainterPath& borders);
void paintNight(QPainter& painter, const View& view, const RimCut& cut, double unixSeconds);
void paintMaidenhead(QPainter& painter, const View& view, const RimCut& cut, const QPainterPath& fields,
                     const QPainterPath& squares, const LogPoints* log);
void paintRingsAndSpokes(QPainter& painter, const View& view);
// The ring of a log's QSOs placed at their country, which a prefix there
// keeps clear of.
double countryRingRadius(const View& view);
// The entity of a log's ring under a pixel, or nullptr.
const dxcc::Entity* logEntityAt(const View& view, const RimCut& cut, const LogPoints& log, const QPointF& pixel);
void paintLog(QPainter& painter, const View& view, const RimCut& cut, const LogPoints& log);
void paintAntenna(QPainter& painter, const View& view, int heading, double beamWidth);
void paintStations(QPainter& painter, const View& view, const RimCut& cut, const MapScene& scene);
// What the stations' dots and labels cover, for other labels to keep clear of.
std::vector<QRectF> stationBoxes(const View& view, const RimCut& cut, const MapScene& scene);
// The scene's prefixes that fit, clear of the stations and of each other.
std::vector<PrefixLabel> placePrefixes(const View& view, const RimCut& cut, const MapScene& scene);
void paintPrefixes(QPainter& painter, const View& view, const std::vector<PrefixLabel>& labels);

} // namespace map::layers
