#pragma once

#include "adif/reader.h"
#include "geodesy/position.h"

#include <QString>

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
// and its call, date, band and mode to name it under the mouse; some forty
// bytes a QSO, so that a log of 100,000 QSOs costs a few megabytes.
struct LogPoints {
    struct Point {
        float latitude;
        float longitude;
        std::uint32_t qso;  // its words' index, when they are kept
    };
    std::vector<Point> points;
    // QSOs that give no position but a call: at the position the country
    // file gives the call, drawn as rings, told apart from the dots. For the
    // map only: the place is the country's, not the station's.
    std::vector<Point> entityPoints;
    std::vector<const dxcc::Entity*> entities;  // each entity point's, to name it under the mouse
    std::uint64_t withoutPosition = 0;  // counted, not drawn
    // The four-character squares worked, each of 2 degrees of longitude by
    // 1 of latitude: indexed by squareOf, longitude first.
    static constexpr int SquaresEachWay = 180;
    std::vector<bool> squares = std::vector<bool>(SquaresEachWay * SquaresEachWay);

    // Each drawn QSO's CALL, QSO_DATE, BAND and MODE as the log has them,
    // one after another, each field ended by a tab.
    std::string qsoWords;
    std::vector<std::uint32_t> qsoStarts;

    // The square a point lies in, and back the square's south-west corner.
    static int squareOf(double latitude, double longitude);
    static geodesy::Position squareCorner(std::size_t square);
};

// "DL1AB, 12.03.2024, 20M, CW": a drawn QSO as its log names it, leaving
// out what the log does not tell.
QString qsoText(const LogPoints& log, std::uint32_t qso);

// QSOs drawn as one mark, those whose marks would cover each other: where,
// how large (the more QSOs, the heavier), how many, the first of them by
// its index among the points, or among the entity points when it stands at
// its call's country.
struct LogMark {
    double x;
    double y;
    double diameter;
    std::uint32_t count;
    std::size_t first;
    bool atCountry;
};

// Reads a log's QSOs: the correspondent's GRIDSQUARE (with GRIDSQUARE_EXT),
// else LAT and LON; a QSO without either but with a CALL whose entity the
// country file finds, at that entity; any other QSO, a wrong position
// included, is counted and not drawn. A malformed log gives the user's
// words for what is wrong and where.
// Whether each QSO's words are kept, to be named under the mouse; a map
// drawn into a file needs none.
enum class QsoWords { Kept, Left };

std::variant<LogPoints, std::string> readLogPoints(const adif::Reader::Source& source,
                                                   const dxcc::CountryFile* countries = nullptr,
                                                   QsoWords words = QsoWords::Kept);

} // namespace map
