#pragma once

#include "map/label_placement.h"
#include "map/map_labels.h"
#include "map/map_scene.h"
#include "map/rim_cut.h"

#include <QFont>
#include <QHash>
#include <QPen>
#include <QStaticText>
#include <QPainterPath>
#include <QTransform>

#include <array>
#include <vector>

class QPainter;

// The layers of a map picture, each painting onto the same view, and the
// labels each wishes for, all placed together.
namespace map::layers {

// The labels' texts, each laid out once in its font and kept: a map's
// labels are mostly the same from one repaint to the next, and laying out
// text is what placing them would cost most.
class LabelTexts {
public:
    const QStaticText& of(const QFont& font, const QString& text);

private:
    QHash<QString, QStaticText> laidOut_;
};

struct View {
    QTransform toDevice;  // from the map's kilometres
    QPointF centre;       // of the disc, in the device's pixels
    double discRadius;    // pixels
    double radiusKm;      // the disc's radius on the map
    QFont font;           // labels, sized to the picture
    std::array<QFont, 6> fonts;  // each kind of label's, by LabelKind
    LabelTexts* texts;
    double markDiameter;  // a log's QSO, pixels
    QRectF titleBox;      // above the disc, when the picture has a title

    QPointF at(const QPointF& km) const { return toDevice.map(km); }
    QPointF at(double xKm, double yKm) const { return at(QPointF(xKm, yKm)); }
    QPointF at(const geodesy::MapPoint& p) const { return at(p.x, p.y); }
    // A point in a direction from the centre, `pixels` from it.
    QPointF inDirection(double azimuthDegrees, double pixels) const;
    // The disc's square, and a little more: what a picture draws of the
    // world, only near the disc.
    QRectF nearDisc() const
    {
        const double reach = discRadius + 2;
        return {centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)};
    }
    // The box a text of that kind takes, its centre at a point.
    QRectF box(LabelKind kind, const QString& text, const QPointF& centre) const;
};

// The labels of a picture, wished for by the layers from the most
// important down, then placed together.
class LabelSet {
public:
    void wish(LabelKind kind, const QString& text, LabelWish wish, const dxcc::Entity* entity = nullptr);
    // Kept clear of every label: a station's dot.
    void occupy(const QRectF& box) { occupied_.push_back(box); }
    std::size_t size() const { return labels_.size(); }
    std::vector<MapLabel> place(const View& view) const;

private:
    std::vector<MapLabel> labels_;
    std::vector<LabelWish> wishes_;
    std::vector<QRectF> occupied_;
};

// Each kind of label's font, by LabelKind, from the picture's.
std::array<QFont, 6> labelFonts(const QFont& font);

// A pen `width` pixels wide on the device, whatever the painter's scale.
QPen devicePen(const QColor& colour, double width = 1, Qt::PenCapStyle cap = Qt::SquareCap);
void fillArea(QPainter& painter, const QPainterPath& devicePath, const QColor& colour);
// A path of the map's kilometres on the view's device, only what lies near
// the disc: a closed one as an area, an open one as lines.
QPainterPath onView(const View& view, const QPainterPath& path, bool closed, double tolerance = 0.5);

void paintWorld(QPainter& painter, const View& view, const QPainterPath& land, const QPainterPath& coasts,
                const QPainterPath& borders);
void paintNight(QPainter& painter, const View& view, const RimCut& cut, double unixSeconds);
void paintMaidenhead(QPainter& painter, const View& view, const RimCut& cut, const QPainterPath& fields,
                     const QPainterPath& squares, const LogPoints* log);
void paintRingsAndSpokes(QPainter& painter, const View& view);
void paintRimAzimuths(QPainter& painter, const View& view);

// The log's QSOs as marks on the view, those that would cover each other
// drawn as one.
std::vector<LogMark> logMarks(const View& view, const RimCut& cut, const LogPoints& log);
void paintLog(QPainter& painter, const std::vector<LogMark>& marks);

void paintAntenna(QPainter& painter, const View& view, int heading, double beamWidth);
void paintStations(QPainter& painter, const View& view, const RimCut& cut, const MapScene& scene);

void wishStations(LabelSet& labels, const View& view, const RimCut& cut, const MapScene& scene);
void wishRings(LabelSet& labels, const View& view, const RimCut& cut, const MapScene& scene);
void wishGrid(LabelSet& labels, const View& view, const RimCut& cut);
void wishPrefixes(LabelSet& labels, const View& view, const RimCut& cut, const MapScene& scene);
void wishLogCounts(LabelSet& labels, const View& view, const std::vector<LogMark>& marks);
void paintLabels(QPainter& painter, const View& view, const std::vector<MapLabel>& labels);

} // namespace map::layers
