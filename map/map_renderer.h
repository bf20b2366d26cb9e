#pragma once

#include "map/layers.h"
#include "map/map_labels.h"
#include "map/map_scene.h"
#include "map/rim_cut.h"

#include <QPainterPath>
#include <QRectF>
#include <QTransform>

#include <optional>
#include <vector>

class QPainter;

namespace map {

// One renderer paints the map wherever it is shown: the window, a PNG, an
// SVG, a PDF page, a printer. It keeps the world projected about one centre
// in the map's kilometres, so that a new heading or a new picture of the same
// centre costs no projection.
class MapRenderer {
public:
    explicit MapRenderer(const geodesy::Position& centre);

    // Projects the world anew, when the centre changed.
    void setCentre(const geodesy::Position& centre);
    const RimCut& cut() const { return cut_; }

    // From the map's kilometres to the target's pixels: the disc as wide as
    // the target allows, the title just above it, the scene's radius to its
    // edge, north up.
    static QTransform transform(const QRectF& target, const MapScene& scene);

    // The whole picture; or its two layers: what changes with the centre,
    // the zoom, the log and the hour, and what changes with the antenna's
    // heading, the stations and the labels that keep clear of them.
    void paint(QPainter& painter, const QRectF& target, const MapScene& scene) const;
    void paintBase(QPainter& painter, const QRectF& target, const MapScene& scene) const;
    void paintOverlay(QPainter& painter, const QRectF& target, const MapScene& scene) const;
    // The picture in two parts: outside the disc, the paper, the title and
    // the azimuths at the rim; and all within the disc, clipped to it.
    void paintFrame(QPainter& painter, const QRectF& target, const MapScene& scene) const;
    void paintDisc(QPainter& painter, const QRectF& target, const MapScene& scene) const;
    // The disc's centre and radius on the target.
    static QPointF discCentre(const QRectF& target, const MapScene& scene);
    static double discRadius(const QRectF& target, const MapScene& scene);

    // Every label the picture writes, and where.
    std::vector<MapLabel> labels(const QRectF& target, const MapScene& scene) const;
    // The mark of the scene's log under a pixel of the target.
    std::optional<LogMark> logMarkAt(const QRectF& target, const MapScene& scene, const QPointF& pixel) const;
    // After a new log was given in the place of the old: its marks anew.
    void forgetMarks() { marks_.reset(); }

private:
    void project();
    // The squares, projected the first time a picture draws them: the
    // whole Earth's never does.
    const QPainterPath& squaresFor(const MapScene& scene) const;
    // The log's marks on a view, kept for the next picture of the same view:
    // a big log's marks take longer than all the rest of a repaint.
    const std::vector<LogMark>& marksFor(const layers::View& view, const MapScene& scene) const;

    geodesy::Position centre_;
    RimCut cut_;
    QPainterPath land_;
    QPainterPath coasts_;
    QPainterPath borders_;
    QPainterPath fields_;   // the Maidenhead fields, 20 by 10 degrees
    mutable std::optional<QPainterPath> squares_;  // and their squares, 2 by 1
    mutable layers::LabelTexts texts_;
    struct Marks {
        const LogPoints* log;
        QPointF centre;
        double discRadius;
        double radiusKm;
        std::vector<LogMark> marks;
    };
    mutable std::optional<Marks> marks_;
};

} // namespace map
