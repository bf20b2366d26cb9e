#pragma once

#include "adif/reader.h"
#include "geodesy/position.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace map {

// The correspondents of a log, as the map shows them: one position a QSO,
// eight bytes each, so that a log of 100,000 QSOs costs under a megabyte.
struct LogPoints {
    struct Point {
        float latitude;
        float longitude;
    };
    std::vector<Point> points;
    std::uint64_t withoutPosition = 0;  // counted, not drawn
    // The four-character squares worked: a field's tenths of a square,
    // longitude first, 180 by 180.
    std::vector<bool> squares = std::vector<bool>(180 * 180);

    static int squareOf(double latitude, double longitude);
};

// Reads a log's QSOs: the correspondent's GRIDSQUARE (with GRIDSQUARE_EXT),
// else LAT and LON; a QSO without either, or with a wrong one, is counted
// and not drawn. A malformed log gives the user's words for what is wrong
// and where.
std::variant<LogPoints, std::string> readLogPoints(const adif::Reader::Source& source);

} // namespace map
