#pragma once

#include <QPainterPath>
#include <QRectF>

namespace map {

// A path of straight lines cut to a rectangle, so that what lies outside
// it costs nothing to paint or to write into a file. A closed path is an
// area: each of its rings is cut to a ring within the rectangle that covers
// the same part of it, for either fill rule. An open one is lines: each
// broken where it leaves the rectangle and taken up where it comes back.
QPainterPath clippedTo(const QPainterPath& path, const QRectF& rect, bool closed);

} // namespace map
