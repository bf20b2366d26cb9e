#pragma once

#include "adif/reader.h"
#include "geodesy/position.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace dxcc {
class CountryFile;
struct Entity;
} // namespace dxcc

namespace map {

// The correspondents of a log, as the map shows them: one position a QSO,
// eight bytes each, so that a log of 100,000 QSOs costs under a megabyte.
struct LogPoints {
    struct Point {
        float latitude;
        float longitude;
    };
    std::vector<Point> points;
    // QSOs that give no position but a call: at the position the country
    // file gives the call, drawn as rings, told apart from the dots. For the
    // map only: the place is the country's, not the station's.
    std::vector<Point> entityPoints;
    std::vector<const dxcc::Entity*> entities;  // each entity point's, to name it under the mouse
    std::uint64_t withoutPosition = 0;  // counted, not drawn
    // The four-character squares worked: a field's tenths of a square,
    // longitude first, 180 by 180.
    std::vector<bool> squares = std::vector<bool>(180 * 180);

    static int squareOf(double latitude, double longitude);
};

// Reads a log's QSOs: the correspondent's GRIDSQUARE (with GRIDSQUARE_EXT),
// else LAT and LON; a QSO without either but with a CALL whose entity the
// country file finds, at that entity; any other QSO, a wrong position
// included, is counted and not drawn. A malformed log gives the user's
// words for what is wrong and where.
std::variant<LogPoints, std::string> readLogPoints(const adif::Reader::Source& source,
                                                   const dxcc::CountryFile* countries = nullptr);

} // namespace map
