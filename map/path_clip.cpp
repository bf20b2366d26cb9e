#include "map/path_clip.h"

#include <QPolygonF>

#include <functional>
#include <vector>

namespace map {
namespace {

// The rings or lines of a path, each as its points.
std::vector<QPolygonF> pieces(const QPainterPath& path)
{
    std::vector<QPolygonF> all;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo() || all.empty())
            all.emplace_back();
        all.back() << QPointF(e.x, e.y);
    }
    return all;
}

// One ring cut by the four sides in turn (Sutherland and Hodgman): what
// lies beyond a side is carried along it.
QPolygonF clipRing(QPolygonF ring, const QRectF& r)
{
    struct Side {
        std::function<bool(const QPointF&)> inside;
        std::function<QPointF(const QPointF&, const QPointF&)> cross;
    };
    const auto atX = [](double x) {
        return [x](const QPointF& a, const QPointF& b) {
            return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
        };
    };
    const auto atY = [](double y) {
        return [y](const QPointF& a, const QPointF& b) {
            return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
        };
    };
    const Side sides[] = {{[&r](const QPointF& p) { return p.x() >= r.left(); }, atX(r.left())},
                          {[&r](const QPointF& p) { return p.x() <= r.right(); }, atX(r.right())},
                          {[&r](const QPointF& p) { return p.y() >= r.top(); }, atY(r.top())},
                          {[&r](const QPointF& p) { return p.y() <= r.bottom(); }, atY(r.bottom())}};
    for (const Side& side : sides) {
        QPolygonF kept;
        for (int i = 0; i < ring.size(); ++i) {
            const QPointF& from = ring[(i + ring.size() - 1) % ring.size()];
            const QPointF& to = ring[i];
            if (side.inside(to)) {
                if (!side.inside(from))
                    kept << side.cross(from, to);
                kept << to;
            } else if (side.inside(from)) {
                kept << side.cross(from, to);
            }
        }
        ring = kept;
        if (ring.isEmpty())
            break;
    }
    return ring;
}

// The part of a segment within the rectangle (Liang and Barsky), if any.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& r)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF from = a;
    a = from + t0 * QPointF(dx, dy);
    b = from + t1 * QPointF(dx, dy);
    return true;
}

} // namespace

QPainterPath clippedTo(const QPainterPath& path, const QRectF& rect, bool closed)
{
    QPainterPath cut;
    cut.setFillRule(path.fillRule());
    for (const QPolygonF& piece : pieces(path)) {
        const QRectF bounds = piece.boundingRect();
        if (!bounds.intersects(rect) && !(bounds.width() == 0 || bounds.height() == 0))
            continue;
        if (rect.contains(bounds)) {
            cut.addPolygon(piece);
            if (closed)
                cut.closeSubpath();
            continue;
        }
        if (closed) {
            const QPolygonF ring = clipRing(piece, rect);
            if (ring.size() >= 3) {
                cut.addPolygon(ring);
                cut.closeSubpath();
            }
            continue;
        }
        bool drawing = false;
        for (int i = 1; i < piece.size(); ++i) {
            QPointF a = piece[i - 1], b = piece[i];
            if (!clipSegment(a, b, rect)) {
                drawing = false;
                continue;
            }
            if (!drawing || a != piece[i - 1])
                cut.moveTo(a);
            cut.lineTo(b);
            drawing = b == piece[i];
        }
    }
    return cut;
}

} // namespace map
