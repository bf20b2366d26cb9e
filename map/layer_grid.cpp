// What the map is read by: the Maidenhead grid, the squares of a log worked,
// the distance rings and the azimuth spokes.

#include "map/layers.h"

#include "map/map_style.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace map::layers {
namespace {

QFont smaller(const QFont& font, double factor)
{
    QFont f = font;
    f.setPixelSize(std::max(8, int(font.pixelSize() * factor)));
    return f;
}

// A label centred on a grid cell, where the cell is wide and tall enough for
// it on the map and its centre is in view.
void labelCell(QPainter& painter, const View& view, const RimCut& cut, const QString& label, double latitude,
               double longitude, double halfWidth, double halfHeight)
{
    const auto at = [&](double north, double east) {
        return view.at(geodesy::project(cut.projection(), {latitude + north, longitude + east}));
    };
    const QPointF centre = at(0, 0);
    if (QLineF(centre, view.centre).length() > view.discRadius * 0.97)
        return;
    const QSizeF text = QFontMetricsF(painter.font()).size(0, label);
    if (QLineF(at(0, -halfWidth), at(0, halfWidth)).length() < text.width() * 1.4
        || QLineF(at(-halfHeight, 0), at(halfHeight, 0)).length() < text.height() * 1.4)
        return;
    painter.drawText(QRectF(centre - QPointF(text.width() / 2, text.height() / 2), text), Qt::AlignCenter, label);
}

QString letters(int east, int north) { return QString(QChar('A' + east)) + QChar('A' + north); }

// A round step for rings: about five of them out to the edge.
double ringStep(double radiusKm)
{
    if (radiusKm >= RimKm * 0.99)
        return 1000;
    const double raw = radiusKm / 5;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (const double nice : {1.0, 2.0, 5.0})
        if (nice * power >= raw)
            return nice * power;
    return 10 * power;
}

} // namespace

void paintMaidenhead(QPainter& painter, const View& view, const RimCut& cut, const QPainterPath& fields,
                     const QPainterPath& squares, const LogPoints* log)
{
    const bool withSquares = view.radiusKm <= style::SquaresWithinKm;
    if (withSquares && log) {
        // The squares worked, a multiplier map.
        for (std::size_t square = 0; square < log->squares.size(); ++square) {
            if (!log->squares[square])
                continue;
            const double west = -180 + 2.0 * double(square / 180), south = -90 + double(square % 180);
            QPainterPath cell;
            cut.addRing({{south, west}, {south, west + 2}, {south + 1, west + 2}, {south + 1, west}}, cell, nullptr);
            fillArea(painter, onDevice(cell, view.toDevice), style::WorkedSquare);
        }
    }
    if (withSquares)
        painter.strokePath(onDevice(squares, view.toDevice), hairline(style::Grid, 0.5));
    painter.strokePath(onDevice(fields, view.toDevice), hairline(style::Grid, withSquares ? 1.2 : 0.8));

    painter.save();
    painter.setPen(style::Grid.darker(150));
    painter.setFont(smaller(view.font, 0.85));
    for (int east = 0; east < 18; ++east)
        for (int north = 0; north < 18; ++north) {
            const double west = -180 + 20 * east, south = -90 + 10 * north;
            if (!withSquares) {
                labelCell(painter, view, cut, letters(east, north), south + 5, west + 10, 10, 5);
                continue;
            }
            for (int x = 0; x < 10; ++x)
                for (int y = 0; y < 10; ++y)
                    labelCell(painter, view, cut, letters(east, north) + QString::number(x) + QString::number(y),
                              south + y + 0.5, west + 2 * x + 1, 1, 0.5);
        }
    painter.restore();
}

void paintRingsAndSpokes(QPainter& painter, const View& view)
{
    painter.save();
    painter.setPen(hairline(style::Rings, 0.6));
    painter.setFont(smaller(view.font, 0.8));
    const double step = ringStep(view.radiusKm);
    const double pixelsPerKm = view.discRadius / view.radiusKm;
    for (double km = step; km < std::min(view.radiusKm, RimKm); km += step) {
        painter.setPen(hairline(style::Rings, 0.6));
        painter.drawEllipse(view.centre, km * pixelsPerKm, km * pixelsPerKm);
        painter.setPen(style::Labels);
        painter.drawText(view.inDirection(15, km * pixelsPerKm) + QPointF(2, -2),
                         QStringLiteral("%1 км").arg(km, 0, 'f', 0));
    }
    painter.setPen(hairline(style::Rings, 0.6));
    for (int azimuth = 0; azimuth < 360; azimuth += 10)
        painter.drawLine(view.centre, view.inDirection(azimuth, view.discRadius));
    painter.setPen(hairline(style::Labels, 1));
    painter.drawEllipse(view.centre, view.discRadius, view.discRadius);

    // The azimuths, outside the edge.
    painter.setFont(view.font);
    const QFontMetricsF metrics(view.font);
    for (int azimuth = 0; azimuth < 360; azimuth += 30) {
        const QString label = QStringLiteral("%1°").arg(azimuth);
        const QSizeF size = metrics.size(0, label);
        const QPointF at = view.inDirection(azimuth, view.discRadius + metrics.height() * 0.9);
        painter.drawText(QRectF(at - QPointF(size.width() / 2, size.height() / 2), size), Qt::AlignCenter, label);
    }
    painter.restore();
}

} // namespace map::layers
