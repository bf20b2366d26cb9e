#pragma once

#include "dxcc/country_file.h"
#include "geodesy/position.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dxcc {

// The short and the long path from the own station to a place, in whole
// degrees and kilometres, as the table and the call window give them, from
// the program's one pair of figures; none when the place is the own
// station's.
struct Headings {
    int shortAzimuth;
    int longAzimuth;
    long long shortKm;
    long long longKm;
};
std::optional<Headings> headings(const geodesy::Position& own, const geodesy::Position& place);

// One row of the beam-heading table: an entity, and the paths to its
// reference point from the own station.
struct BeamRow {
    const Entity* entity;
    std::optional<Headings> paths;
};

enum class BeamOrder { Prefix, Azimuth, Distance, Name };

// Every entity of the file, in the order asked for; ties keep the file's
// order.
std::vector<BeamRow> beamTable(const CountryFile& file, const geodesy::Position& own, BeamOrder order);

// The order's name on the command line: prefix, azimuth, distance, name.
std::optional<BeamOrder> beamOrder(std::string_view name);

// The table as text: CSV with a header line, for a spreadsheet, where a
// WAE-only entity has 1 in the column wae_only; and aligned columns under
// their headings, for a terminal, where its prefix is marked with '*' as
// the country file marks it.
std::string beamTableCsv(const std::vector<BeamRow>& rows);
std::string beamTableText(const std::vector<BeamRow>& rows);

// The columns' headings, the same in the text, the window and on paper.
inline constexpr std::string_view BeamColumns[] = {
    "Префикс", "Страна", "Конт.", "CQ", "ITU", "Азимут", "Длинный", "Км", "UTC",
};

// The line above the table, on a terminal and on every page: the own
// station as it was typed, its locator when that is not what was typed, its
// coordinates, the day of `date` (local time) and the country file's
// version. "Азимуты на страны от KO85TS (55,771° с. ш., 37,625° в. д.),
// 12.05.2025, файл стран от 02.05.2023"
std::string beamHeading(std::string_view own, const geodesy::Position& position, const CountryFile& file,
                        std::time_t date);

// One row's cells in the order of BeamColumns, as the text, the window and
// the paper show them; empty where there is no figure.
std::vector<std::string> beamCells(const BeamRow& row);

} // namespace dxcc
