// The sea, the land, its coasts and borders, and the night.

#include "map/layers.h"

#include "geodesy/pi.h"
#include "geodesy/sun.h"
#include "map/map_style.h"
#include "map/path_clip.h"

#include <QPainter>

#include <cmath>
#include <vector>

namespace map::layers {

QPen devicePen(const QColor& colour, double width, Qt::PenCapStyle cap)
{
    QPen pen(colour, width, Qt::SolidLine, cap);
    pen.setCosmetic(true);
    return pen;
}

// Large areas filled without antialiasing cost a twentieth; the lines drawn
// along their edges, with it, smooth them all the same.
void fillArea(QPainter& painter, const QPainterPath& devicePath, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(devicePath, colour);
    painter.restore();
}

QPainterPath onView(const View& view, const QPainterPath& path, bool closed, double tolerance)
{
    return clippedTo(onDevice(path, view.toDevice, tolerance), view.nearDisc(), closed);
}

void paintWorld(QPainter& painter, const View& view, const QPainterPath& land, const QPainterPath& coasts,
                const QPainterPath& borders)
{
    painter.fillRect(QRectF(view.centre - QPointF(view.discRadius, view.discRadius),
                            QSizeF(2 * view.discRadius, 2 * view.discRadius)),
                     style::Sea);
    fillArea(painter, onView(view, land, true, 1), style::Land);
    painter.strokePath(onView(view, borders, false), devicePen(style::Border, 0.7));
    painter.strokePath(onView(view, coasts, false), devicePen(style::Coast, 0.8));
}

// The night: every point more than 90 degrees from the subsolar point. In
// latitude and longitude it lies on the winter pole's side of the
// terminator, a ring as the land's are, cut at the antimeridian.
void paintNight(QPainter& painter, const View& view, const RimCut& cut, double unixSeconds)
{
    constexpr double Degree = geodesy::TruePi / 180;
    const geodesy::Position sun = geodesy::subsolarPoint(unixSeconds);
    // At an equinox the terminator runs along two meridians; a hair off it
    // keeps the formula finite.
    const double declination = std::fabs(sun.latitude) < 1e-6 ? 1e-6 : sun.latitude;
    std::vector<geodesy::Position> terminator;
    for (int longitude = -180; longitude <= 180; ++longitude)
        terminator.push_back({std::atan(-std::cos((longitude - sun.longitude) * Degree) / std::tan(declination * Degree))
                                  / Degree,
                              double(longitude)});
    std::vector<geodesy::Position> night = terminator;
    const double winterPole = declination > 0 ? -90 : 90;
    night.push_back({winterPole, 180});
    night.push_back({winterPole, -180});

    QPainterPath dark;
    dark.setFillRule(Qt::OddEvenFill);
    cut.addRing(night, dark, nullptr);
    QPainterPath edge;
    cut.addLine(terminator, edge);
    fillArea(painter, onView(view, dark, true, 1), style::Night);
    painter.strokePath(onView(view, edge, false), devicePen(style::Terminator, 1.2));
}

} // namespace map::layers
