#include "map/label_placement.h"

#include "geodesy/pi.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <optional>

namespace map {
namespace {

// The disc's room, and the boxes taken in it, found by the cells of a
// coarse grid they cover, so that a new box is tried only against its
// neighbours.
class Room {
public:
    Room(const std::vector<QRectF>& occupied, const QPointF& centre, double radius)
        : centre_(centre)
        , radius_(radius)
        , cell_(std::max(8.0, radius / 16))
        , side_(int(std::ceil(2 * radius / cell_)) + 1)
        , cells_(std::size_t(side_ * side_))
    {
        for (const QRectF& box : occupied)
            take(box);
    }

    bool fits(const QRectF& box) const
    {
        for (const QPointF& corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            if (QLineF(centre_, corner).length() > radius_)
                return false;
        bool free = true;
        visit(box, [&](const std::vector<std::size_t>& inCell) {
            for (const std::size_t i : inCell)
                free = free && !taken_[i].intersects(box);
        });
        return free;
    }

    void take(const QRectF& box)
    {
        taken_.push_back(box);
        visit(box, [this](std::vector<std::size_t>& inCell) { inCell.push_back(taken_.size() - 1); });
    }

    // A free box of that size ever farther from the point, a ring of
    // places at a time, up to the far side of the disc.
    std::optional<QRectF> farther(const QPointF& anchor, const QSizeF& size) const
    {
        const double step = std::max(size.height(), 1.0);
        for (double distance = step; distance <= 2 * radius_ + step; distance += step) {
            const int around = std::max(8, int(2 * geodesy::TruePi * distance / step));
            for (int i = 0; i < around; ++i) {
                const double a = 2 * geodesy::TruePi * i / around;
                QRectF box(QPointF(), size);
                box.moveCenter(anchor + QPointF(distance * std::cos(a), distance * std::sin(a)));
                if (fits(box))
                    return box;
            }
        }
        return std::nullopt;
    }

private:
    // Each cell the box covers; a box beyond the grid, in its edge's cells.
    template <typename Cells, typename Visit>
    static void visitIn(Cells& cells, const QRectF& box, const QPointF& origin, double cell, int side, Visit visit)
    {
        const auto index = [&](double at) { return std::clamp(int(std::floor(at / cell)), 0, side - 1); };
        for (int y = index(box.top() - origin.y()); y <= index(box.bottom() - origin.y()); ++y)
            for (int x = index(box.left() - origin.x()); x <= index(box.right() - origin.x()); ++x)
                visit(cells[std::size_t(y * side + x)]);
    }
    template <typename Visit>
    void visit(const QRectF& box, Visit visit) const
    {
        visitIn(cells_, box, origin(), cell_, side_, visit);
    }
    template <typename Visit>
    void visit(const QRectF& box, Visit visit)
    {
        visitIn(cells_, box, origin(), cell_, side_, visit);
    }
    QPointF origin() const { return centre_ - QPointF(radius_, radius_); }

    std::vector<QRectF> taken_;
    QPointF centre_;
    double radius_;
    double cell_;
    int side_;
    std::vector<std::vector<std::size_t>> cells_;
};

} // namespace

std::vector<PlacedLabel> placeLabels(const std::vector<LabelWish>& wishes, const std::vector<QRectF>& occupied,
                                     const QPointF& discCentre, double discRadius)
{
    Room room(occupied, discCentre, discRadius);
    std::vector<PlacedLabel> set;
    for (std::size_t i = 0; i < wishes.size(); ++i) {
        const LabelWish& wish = wishes[i];
        if (wish.places.empty())
            continue;
        const auto place = std::find_if(wish.places.begin(), wish.places.end(),
                                        [&room](const QRectF& box) { return room.fits(box); });
        std::optional<PlacedLabel> label;
        if (place != wish.places.end())
            label = PlacedLabel{i, *place, false};
        else if (wish.required) {
            const std::optional<QRectF> away = room.farther(wish.anchor, wish.places.front().size());
            label = PlacedLabel{i, away.value_or(wish.places.front()), bool(away)};
        }
        if (label) {
            room.take(label->box);
            set.push_back(*label);
        }
    }
    return set;
}

} // namespace map
