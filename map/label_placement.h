#pragma once

#include <QPointF>
#include <QRectF>

#include <cstddef>
#include <vector>

namespace map {

// A label the map would write: the point it names and the boxes it may
// take there, the best first.
struct LabelWish {
    QPointF anchor;
    std::vector<QRectF> places;
    // Shown whatever the crowd: when all its places are taken, it is set
    // farther off, joined to its point by a leader line.
    bool required = false;
};

struct PlacedLabel {
    std::size_t wish;  // its index among the wishes
    QRectF box;
    bool leader;       // set away from its places
};

// Labels set greedily, in the order given, the most important first: each
// takes the first of its places that lies inside the disc and meets no box
// already taken, by a label set before it or by what was there first
// (`occupied`: the stations' dots); a label that finds none is left out,
// unless it is required. No two set labels overlap, and each lies inside
// the disc, unless a required one finds no room anywhere in it.
std::vector<PlacedLabel> placeLabels(const std::vector<LabelWish>& wishes, const std::vector<QRectF>& occupied,
                                     const QPointF& discCentre, double discRadius);

} // namespace map
