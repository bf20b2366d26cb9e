#pragma once

#include <QColor>

namespace map::style {

// Calm colours that print apart in grey too: the land darker than the sea.
inline const QColor Paper(255, 255, 255);
inline const QColor Sea(234, 242, 248);
inline const QColor Land(214, 207, 174);
inline const QColor Coast(120, 112, 86);
inline const QColor Border(150, 140, 110);
inline const QColor Night(20, 30, 70, 70);
inline const QColor Terminator(60, 60, 110);
inline const QColor Grid(110, 110, 150, 140);
inline const QColor Rings(90, 90, 90, 150);
inline const QColor Labels(40, 40, 40);
// Dark enough to read on land, on sea and under the night, on paper too.
inline const QColor GridLabel(45, 45, 105);
inline const QColor WorkedSquare(230, 150, 40, 90);
inline const QColor LogDot(200, 90, 0);
inline const QColor Prefix(110, 30, 100);
// As the compass draws them: red the short path, blue the long one, green
// the antenna.
inline const QColor ShortPath(255, 0, 0);
inline const QColor LongPath(0, 0, 255);
inline const QColor Antenna(0, 200, 0, 70);
inline const QColor AntennaEdge(0, 150, 0);
inline const QColor Station(0, 0, 0);

// Below this radius the squares of the grid are drawn.
inline constexpr double SquaresWithinKm = 3000;

} // namespace map::style
