#include "map/label_placement.h"

#include <QLineF>

#include <algorithm>

namespace map {

std::vector<std::size_t> placeLabels(const std::vector<QRectF>& wanted, std::vector<QRectF> occupied,
                                     const QPointF& discCentre, double discRadius)
{
    const auto inDisc = [&](const QPointF& corner) { return QLineF(discCentre, corner).length() <= discRadius; };
    std::vector<std::size_t> set;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const QRectF& box = wanted[i];
        if (!inDisc(box.topLeft()) || !inDisc(box.topRight()) || !inDisc(box.bottomLeft())
            || !inDisc(box.bottomRight()))
            continue;
        if (std::any_of(occupied.begin(), occupied.end(), [&box](const QRectF& o) { return o.intersects(box); }))
            continue;
        occupied.push_back(box);
        set.push_back(i);
    }
    return set;
}

} // namespace map
