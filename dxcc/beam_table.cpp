#include "dxcc/beam_table.h"

#include "dxcc/entity_texts.h"
#include "geodesy/figure_texts.h"
#include "geodesy/locator.h"
#include "geodesy/pair_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace dxcc {

namespace {

// The prefix as the file writes it, '*' for a WAE-only entity.
std::string markedPrefix(const Entity& entity)
{
    return (entity.waeOnly ? "*" : "") + entity.prefix;
}

// A figure's text, empty when the row has none.
template <typename Figure>
std::string figure(const BeamRow& row, Figure Headings::*member)
{
    return row.paths ? std::to_string((*row.paths).*member) : std::string();
}

// Hours as a CSV number: 9, -3.5, 5.75.
std::string hours(double value)
{
    return std::string(geodesy::InlineText<32>().appendShortest(value == 0 ? 0 : value).view());
}

// Characters as a terminal shows them: UTF-8 lead bytes, not continuations.
std::size_t width(std::string_view text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

} // namespace

std::string beamHeading(std::string_view own, const geodesy::Position& position, const CountryFile& file,
                        std::time_t date)
{
    const std::string locator = geodesy::encodeLocator(position).text;
    std::string place = geodesy::locatorLetters(own) == locator ? std::string() : locator + ", ";
    place += geodesy::positionText(position).view();
    std::tm local{};
    localtime_r(&date, &local);
    char day[16];
    std::strftime(day, sizeof day, "%d.%m.%Y", &local);
    return "Азимуты на страны от " + std::string(own) + " (" + place + "), " + day + ", " + versionText(file);
}

std::optional<Headings> headings(const geodesy::Position& own, const geodesy::Position& place)
{
    const geodesy::PairFigures figures = geodesy::pairFigures(own, place, false);
    if (!figures.shortPath.distanceKm)
        return std::nullopt;
    return Headings{figures.shortPath.azimutPush % 360, figures.longPath->azimuth,
                    static_cast<long long>(*figures.shortPath.distanceKm),
                    static_cast<long long>(figures.longPath->distanceKm)};
}

std::vector<BeamRow> beamTable(const CountryFile& file, const geodesy::Position& own, BeamOrder order)
{
    std::vector<BeamRow> rows;
    rows.reserve(file.entities().size());
    for (const Entity& entity : file.entities())
        rows.push_back({&entity, headings(own, entity.values.position)});
    const auto by = [&rows](auto key) {
        std::stable_sort(rows.begin(), rows.end(), [key](const BeamRow& a, const BeamRow& b) { return key(a) < key(b); });
    };
    switch (order) {
    case BeamOrder::Prefix:
        by([](const BeamRow& row) { return std::string_view(row.entity->prefix); });
        break;
    case BeamOrder::Azimuth:
        by([](const BeamRow& row) { return row.paths ? row.paths->shortAzimuth : std::numeric_limits<int>::max(); });
        break;
    case BeamOrder::Distance:
        by([](const BeamRow& row) { return row.paths ? row.paths->shortKm : std::numeric_limits<long long>::max(); });
        break;
    case BeamOrder::Name:
        by([](const BeamRow& row) { return shownName(*row.entity); });
        break;
    }
    return rows;
}

std::optional<BeamOrder> beamOrder(std::string_view name)
{
    if (name == "prefix")
        return BeamOrder::Prefix;
    if (name == "azimuth")
        return BeamOrder::Azimuth;
    if (name == "distance")
        return BeamOrder::Distance;
    if (name == "name")
        return BeamOrder::Name;
    return std::nullopt;
}

std::vector<std::string> beamCells(const BeamRow& row)
{
    const Entity& entity = *row.entity;
    return {markedPrefix(entity),
            std::string(shownName(entity)),
            entity.values.continent,
            std::to_string(entity.values.cqZone),
            std::to_string(entity.values.ituZone),
            figure(row, &Headings::shortAzimuth),
            figure(row, &Headings::longAzimuth),
            figure(row, &Headings::shortKm),
            utcOffsetText(entity.values.utcOffsetHours)};
}

std::string beamTableCsv(const std::vector<BeamRow>& rows)
{
    std::string csv = "prefix,name,continent,cq_zone,itu_zone,azimuth,long_path_azimuth,distance_km,utc_offset,wae_only\n";
    for (const BeamRow& row : rows) {
        const Entity& entity = *row.entity;
        geodesy::appendCsvField(csv, entity.prefix);
        csv += ',';
        geodesy::appendCsvField(csv, shownName(entity));
        csv += std::string(",") + entity.values.continent + ','
             + std::to_string(entity.values.cqZone) + ',' + std::to_string(entity.values.ituZone) + ','
             + figure(row, &Headings::shortAzimuth) + ',' + figure(row, &Headings::longAzimuth) + ','
             + figure(row, &Headings::shortKm) + ','
             + hours(entity.values.utcOffsetHours) + ',' + (entity.waeOnly ? "1" : "0") + '\n';
    }
    return csv;
}

std::string beamTableText(const std::vector<BeamRow>& rows)
{
    std::vector<std::vector<std::string>> lines;
    lines.emplace_back(std::begin(BeamColumns), std::end(BeamColumns));
    for (const BeamRow& row : rows)
        lines.push_back(beamCells(row));
    std::vector<std::size_t> widths(std::size(BeamColumns));
    for (const auto& cells : lines)
        for (std::size_t i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], width(cells[i]));
    // Words to the left, figures to the right.
    const auto rightAligned = [](std::size_t column) { return column >= 3 && column <= 7; };
    std::string text;
    for (const auto& cells : lines) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::string pad(widths[i] - width(cells[i]), ' ');
            if (i > 0)
                line += "  ";
            line += rightAligned(i) ? pad + cells[i] : cells[i] + pad;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + '\n';
    }
    return text;
}

} // namespace dxcc
