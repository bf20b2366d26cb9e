#include "map_window/map_view.h"

#include "dxcc/entity_texts.h"
#include "geodesy/azimuthal.h"
#include "geodesy/locator.h"
#include "geodesy/pair_figures.h"
#include "rotator/rotator_session.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

MapView::MapView(rotator::RotatorSession& session, QWidget* parent)
    : QWidget(parent)
    , session_(session)
    , renderer_(std::make_unique<map::MapRenderer>(scene_.own.position))
{
    setObjectName(QStringLiteral("mapView"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(300, 300);
}

void MapView::sceneChanged()
{
    renderer_->setCentre(scene_.own.position);
    renderer_->forgetMarks();  // the log may be a new one
    base_ = QImage();
    update();
}

void MapView::overlayChanged()
{
    update();
}

void MapView::wholeEarth()
{
    zoomTo(map::RimKm);
}

// The map's radius is the great-circle distance on the projection's
// sphere; a tenth more leaves room for the point's label.
void MapView::bringIntoView(const geodesy::Position& point)
{
    const geodesy::MapPoint onMap = geodesy::project(geodesy::azimuthalMap(scene_.own.position), point);
    const double distanceKm = std::hypot(onMap.x, onMap.y);
    if (distanceKm > scene_.radiusKm)
        zoomTo(std::min(map::RimKm, distanceKm * 1.1));
}

void MapView::zoomTo(double radiusKm)
{
    scene_.radiusKm = radiusKm;
    sceneChanged();
    if (underMouse())
        tellPointAt(mapFromGlobal(QCursor::pos()));
}

void MapView::tellPointAt(const QPointF& pixel)
{
    QMouseEvent moved(QEvent::MouseMove, pixel, mapToGlobal(pixel), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    mouseMoveEvent(&moved);
}

void MapView::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (base_.size() != size() * ratio) {
        base_ = QImage(size() * ratio, QImage::Format_RGB32);
        base_.setDevicePixelRatio(ratio);
        QPainter painter(&base_);
        renderer_->paintBase(painter, rect(), scene_);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, base_);
    renderer_->paintOverlay(painter, rect(), scene_);
}

void MapView::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    scene_.radiusKm = std::clamp(scene_.radiusKm * std::pow(0.8, steps), map::NearestRadiusKm, map::RimKm);
    sceneChanged();
    tellPointAt(event->position());
}

std::optional<geodesy::Position> MapView::pointAt(const QPointF& pixel) const
{
    const QPointF km = map::MapRenderer::transform(rect(), scene_).inverted().map(pixel);
    if (std::hypot(km.x(), km.y()) > std::min(scene_.radiusKm, map::RimKm))
        return std::nullopt;
    return geodesy::unproject(renderer_->cut().projection(), {km.x(), km.y()});
}

QString MapView::wordsAbout(const geodesy::Position& point) const
{
    const geodesy::PairFigures figures = geodesy::pairFigures(scene_.own.position, point, false);
    QString words = QString::fromStdString(geodesy::encodeLocator(point).text);
    if (figures.shortPath.distanceKm)
        words += QStringLiteral("   %1 км   %2°").arg(*figures.shortPath.distanceKm, 0, 'f', 0)
                     .arg(figures.shortPath.azimutPush);
    return words;
}

// Over a log's mark its QSO, over a prefix its entity, and where the point
// lies.
void MapView::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<geodesy::Position> point = pointAt(event->position());
    if (!point) {
        Q_EMIT pointed(QString());
        return;
    }
    if (const std::optional<map::LogMark> mark = renderer_->logMarkAt(rect(), scene_, event->position())) {
        Q_EMIT pointed(wordsAboutQso(*mark));
        return;
    }
    QString words = wordsAbout(*point);
    for (const map::MapLabel& label : renderer_->labels(rect(), scene_))
        if (label.entity && label.box.contains(event->position())) {
            words = QString::fromStdString(dxcc::entityLine(*label.entity, label.entity->values)) + QStringLiteral("   ")
                + words;
            break;
        }
    Q_EMIT pointed(words);
}

// "DL1AB, 12.03.2024, 20m, CW   JO62QM   1611 км   267°": the first QSO
// of a mark, how many share it, and where it lies, from the QSO's own
// position or its call's country.
QString MapView::wordsAboutQso(const map::LogMark& mark) const
{
    const map::LogPoints& log = *scene_.log;
    const map::LogPoints::Point& qso = (mark.atCountry ? log.entityPoints : log.points).at(mark.first);
    QString words = map::qsoText(log, qso.qso);
    if (mark.count > 1)
        words += QStringLiteral(" (здесь связей: %1)").arg(mark.count);
    if (mark.atCountry) {
        const dxcc::Entity& entity = *log.entities.at(mark.first);
        words += QStringLiteral("   ") + QString::fromStdString(dxcc::entityLine(entity, entity.values));
    }
    return words + QStringLiteral("   ") + wordsAbout({qso.latitude, qso.longitude});
}

void MapView::leaveEvent(QEvent*)
{
    Q_EMIT pointed(QString());
}

void MapView::contextMenuEvent(QContextMenuEvent* event)
{
    const std::optional<geodesy::Position> point = pointAt(event->pos());
    if (!point || !session_.isSetUp())
        return;
    const int azimuth = geodesy::pairFigures(scene_.own.position, *point, false).shortPath.azimutPush;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuMapPoint"));
    QAction* turn = menu.addAction(QStringLiteral("Повернуть антенну сюда (%1°)").arg(azimuth));
    turn->setObjectName(QStringLiteral("mnuTurnHere"));
    if (menu.exec(event->globalPos()) == turn)
        session_.turnTo(azimuth);
}

