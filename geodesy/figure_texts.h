#pragma once

#include "geodesy/inline_text.h"
#include "geodesy/pair_figures.h"

#include <optional>
#include <string>
#include <string_view>

namespace geodesy {

// The texts of a pair's figures beyond the window's three result labels, in
// UTF-8. Every front end forms them here, so that the window, the command's
// line, its CSV and the logs it fills agree to the digit. Each takes figures
// that have a distance; the ellipsoid's parts appear when they were asked
// for.

// An azimuth to the nearest whole degree, 0..359: 359.5 and above read 0.
int wholeDegrees(double azimuth);

// The tooltips of the three result labels, as a Russian reader writes
// numbers: the long path's figure beside each, and the ellipsoid's. The
// reverse azimuth's tooltip says what its number is, and where the
// correspondent truly turns to face you.
using PathText = InlineText<192>;
struct PathTexts {
    PathText azimutPush;
    PathText azimutPull;
    PathText dalnost;
};
PathTexts pathTexts(const PairFigures& figures);

// The command's one line for a pair, with its line end.
InlineText<384> readableLine(const PairFigures& figures);

// The CSV columns after the two stations', each after its comma, and the
// line end; and their names, in the same order.
InlineText<128> csvColumns(const PairFigures& figures);
std::string_view csvColumnNames(bool withWgs84);

// A position as a Russian reader writes it, to the thousandth of a degree:
// "55,771° с. ш., 37,625° в. д.".
InlineText<64> positionText(const Position& position);

// A CSV field appended as it is, or quoted when it holds a comma, a quote
// or a line end, with its quotes doubled.
void appendCsvField(std::string& out, std::string_view text);

// What a QSO in a log is given: DISTANCE in kilometres, in tenths on the
// ellipsoid, of the path the signal took, the short one or the long one (on
// the sphere: the ellipsoid has none); and ANT_AZ in whole degrees along it,
// when the antenna pointed along it (`bearing`). A QSO made from the own
// position (`samePlace`, or no distance on the sphere) gets a distance of 0
// and no azimuth: no direction leads anywhere from there.
struct LogValues {
    InlineText<32> distance;
    std::optional<InlineText<32>> antennaAzimuth;
};
enum class LogPath { Short, Long };
LogValues logValues(const PairFigures& figures, bool samePlace, LogPath path, bool bearing);

} // namespace geodesy
