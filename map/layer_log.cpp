// A log's QSOs: a dot where the log gives a position, a ring at the call's
// country where it gives only the call; those whose marks would cover each
// other drawn as one, heavier the more QSOs it holds, and counted.

#include "map/layers.h"

#include "map/map_style.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>

namespace map::layers {
namespace {

struct Gathered {
    std::int64_t cell;
    std::size_t index;
    QPointF at;
};

// The marks of one kind of point: gathered by the cell of a mark's size
// they fall in, within the map's radius.
void addMarks(const View& view, const RimCut& cut, const std::vector<LogPoints::Point>& points, bool atCountry,
              std::vector<LogMark>& marks)
{
    const double cell = view.markDiameter;
    std::vector<Gathered> gathered;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const geodesy::MapPoint p = geodesy::project(cut.projection(), {points[i].latitude, points[i].longitude});
        if (std::hypot(p.x, p.y) > view.radiusKm)
            continue;
        const QPointF at = view.at(p);
        const std::int64_t column = std::int64_t(std::floor(at.x() / cell)), row = std::int64_t(std::floor(at.y() / cell));
        gathered.push_back({row * (std::int64_t(1) << 32) + column, i, at});
    }
    std::sort(gathered.begin(), gathered.end(),
              [](const Gathered& a, const Gathered& b) { return a.cell != b.cell ? a.cell < b.cell : a.index < b.index; });
    for (std::size_t i = 0; i < gathered.size();) {
        std::size_t end = i;
        QPointF sum;
        while (end < gathered.size() && gathered[end].cell == gathered[i].cell)
            sum += gathered[end++].at;
        const auto count = std::uint32_t(end - i);
        const QPointF at = sum / count;
        // A ring at a country is larger, as the place it gives is.
        const double heavier = std::min(2.5, 1 + 0.35 * std::log2(double(count))) * (atCountry ? 1.6 : 1);
        marks.push_back({at.x(), at.y(), view.markDiameter * heavier, count, gathered[i].index, atCountry});
        i = end;
    }
}

// A dot filled, edged a pixel darker; a ring at a country a fifth of its
// width, all within its diameter.
void drawMark(QPainter& painter, const LogMark& mark, const QPointF& at)
{
    const double edge = mark.atCountry ? mark.diameter / 5 : 1;
    painter.setPen(devicePen(mark.atCountry ? style::LogDot : style::LogDot.darker(150), edge));
    painter.setBrush(mark.atCountry ? QBrush(Qt::NoBrush) : QBrush(style::LogDot));
    const double r = (mark.atCountry ? mark.diameter - edge : mark.diameter) / 2;
    painter.drawEllipse(at, r, r);
}

} // namespace

std::vector<LogMark> logMarks(const View& view, const RimCut& cut, const LogPoints& log)
{
    std::vector<LogMark> marks;
    addMarks(view, cut, log.points, false, marks);
    addMarks(view, cut, log.entityPoints, true, marks);
    return marks;
}

void paintLog(QPainter& painter, const std::vector<LogMark>& marks)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (painter.paintEngine()->type() != QPaintEngine::Raster) {
        for (const LogMark& mark : marks)
            drawMark(painter, mark, QPointF(mark.x, mark.y));
        painter.restore();
        return;
    }
    // On pixels each kind and size of mark is drawn once and stamped,
    // whole pixels apart: an antialiased circle for each of a big log's
    // marks takes too long.
    std::map<std::pair<int, bool>, QImage> stamps;
    for (const LogMark& mark : marks) {
        const int side = int(std::ceil(mark.diameter)) + 2;
        QImage& stamp = stamps[{side, mark.atCountry}];
        if (stamp.isNull()) {
            stamp = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
            stamp.fill(Qt::transparent);
            QPainter onStamp(&stamp);
            onStamp.setRenderHint(QPainter::Antialiasing);
            LogMark centred = mark;
            centred.diameter = side - 2;
            drawMark(onStamp, centred, QPointF(side / 2.0, side / 2.0));
        }
        painter.drawImage((QPointF(mark.x, mark.y) - QPointF(side / 2.0, side / 2.0)).toPoint(), stamp);
    }
    painter.restore();
}

void wishLogCounts(LabelSet& labels, const View& view, const std::vector<LogMark>& marks)
{
    for (const LogMark& mark : marks) {
        if (mark.count < 2)
            continue;
        const QString text = QString::number(mark.count);
        const QPointF at(mark.x, mark.y);
        const QSizeF size = view.box(LabelKind::LogCount, text, at).size();
        const double dx = mark.diameter / 2 + size.width() / 2, dy = mark.diameter / 2 + size.height() / 2;
        std::vector<QRectF> places;
        for (const QPointF& offset : {QPointF(dx, 0), QPointF(-dx, 0), QPointF(0, -dy), QPointF(0, dy)})
            places.push_back(view.box(LabelKind::LogCount, text, at + offset));
        labels.wish(LabelKind::LogCount, text, {at, places, false});
    }
}

} // namespace map::layers
