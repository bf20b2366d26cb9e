#pragma once

#include <QPointF>
#include <QRectF>

#include <cstddef>
#include <vector>

namespace map {

// Labels set greedily, the most important first: a label is left out when
// its box reaches beyond the disc or meets a box already taken, by a label
// set before it or by what was there first (`occupied`, the stations'
// labels). Returns the indices of the labels set, in the order given.
std::vector<std::size_t> placeLabels(const std::vector<QRectF>& wanted, std::vector<QRectF> occupied,
                                     const QPointF& discCentre, double discRadius);

} // namespace map
