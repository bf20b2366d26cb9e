#pragma once

#include "map/map_renderer.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <optional>

namespace rotator {
class RotatorSession;
}

// The map in the window: the renderer's picture, its world kept projected
// and its base layer kept painted, so that a new heading repaints only what
// lies over it. The wheel zooms, the mouse tells what lies under it, a
// right click turns the antenna there.
class MapView : public QWidget
{
    Q_OBJECT

public:
    explicit MapView(rotator::RotatorSession& session, QWidget* parent = nullptr);

    map::MapScene& scene() { return scene_; }
    const map::MapRenderer& renderer() const { return *renderer_; }
    // After the scene's centre, zoom, log or hour changed: the base anew.
    void sceneChanged();
    // After the heading or the stations changed: only what lies over it.
    void overlayChanged();

    void wholeEarth();
    // Zoomed out just enough to show a point beyond the view; never in.
    void bringIntoView(const geodesy::Position& point);

    // "KO85TS   1611 км   267°": a point's locator, and its distance and
    // direct azimuth from the centre, by the main window's arithmetic.
    QString wordsAbout(const geodesy::Position& point) const;
    // A log's mark under the mouse, in words.
    QString wordsAboutQso(const map::LogMark& mark) const;

Q_SIGNALS:
    // What lies under the mouse, in words; empty off the map.
    void pointed(const QString& words);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The point of the globe under a pixel, when the map shows one there.
    std::optional<geodesy::Position> pointAt(const QPointF& pixel) const;
    void zoomTo(double radiusKm);
    // After a zoom another point lies under the mouse: told as a move of
    // the mouse tells it.
    void tellPointAt(const QPointF& pixel);

    rotator::RotatorSession& session_;
    map::MapScene scene_;
    std::unique_ptr<map::MapRenderer> renderer_;
    QImage base_;
};
