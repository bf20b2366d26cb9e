#include "geodesy/figure_texts.h"

#include "geodesy/messages.h"

#include <algorithm>
#include <cmath>

namespace geodesy {

int wholeDegrees(double azimuth)
{
    return static_cast<int>(std::lround(azimuth)) % 360;
}

PathTexts pathTexts(const PairFigures& figures)
{
    const LongPath& longPath = *figures.longPath;
    PathTexts texts;
    texts.azimutPush.append("Длинный путь: ").appendNumber(longPath.azimuth).append("°");
    // The long path's reverse azimuth is its direct one turned round: the
    // short path's direct azimuth.
    texts.azimutPull.append("Длинный путь: ")
        .appendNumber(figures.shortPath.azimutPush % 360)
        .append("°\nПрямой азимут плюс 180°");
    texts.dalnost.append("Длинный путь: ").appendNumber(static_cast<long long>(longPath.distanceKm)).append(" км");
    if (const std::optional<Wgs84Path>& wgs84 = figures.wgs84) {
        texts.azimutPush.append("\nWGS-84: ").appendNumber(wholeDegrees(wgs84->azimuth)).append("°");
        texts.azimutPull.append("; по WGS-84 от корреспондента на вас ")
            .appendNumber(wholeDegrees(wgs84->reverseAzimuth))
            .append("°");
        texts.dalnost.append("\nWGS-84: ").appendTenths(wgs84->distanceKm, ',').append(" км");
    } else {
        for (PathText* text : {&texts.azimutPush, &texts.azimutPull, &texts.dalnost})
            text->append("\n").append(Wgs84UnavailableMessage);
    }
    return texts;
}

InlineText<384> readableLine(const PairFigures& figures)
{
    const GreatCircle& circle = figures.shortPath;
    InlineText<384> line;
    line.append("ДАЛЬНОСТЬ: ")
        .appendNumber(static_cast<long long>(*circle.distanceKm))
        .append(" км, АЗИМУТ прямой: ")
        .appendNumber(circle.azimutPush)
        .append(" град., обратный: ")
        .appendNumber(circle.azimutPull)
        .append(" град.; длинный путь: ")
        .appendNumber(static_cast<long long>(figures.longPath->distanceKm))
        .append(" км, азимут ")
        .appendNumber(figures.longPath->azimuth)
        .append(" град.");
    if (figures.wgs84) {
        line.append("; WGS-84: ")
            .appendTenths(figures.wgs84->distanceKm)
            .append(" км, прямой ")
            .appendNumber(wholeDegrees(figures.wgs84->azimuth))
            .append(" град., обратный ")
            .appendNumber(wholeDegrees(figures.wgs84->reverseAzimuth))
            .append(" град.");
    }
    line.append("\n");
    return line;
}

InlineText<128> csvColumns(const PairFigures& figures)
{
    const GreatCircle& circle = figures.shortPath;
    InlineText<128> columns;
    for (const long long number : {static_cast<long long>(*circle.distanceKm), static_cast<long long>(circle.azimutPush),
                                   static_cast<long long>(circle.azimutPull),
                                   static_cast<long long>(figures.longPath->distanceKm),
                                   static_cast<long long>(figures.longPath->azimuth)})
        columns.appendLiteral(",").appendNumber(number);
    if (figures.wgs84) {
        columns.appendLiteral(",").appendTenths(figures.wgs84->distanceKm);
        columns.appendLiteral(",").appendNumber(wholeDegrees(figures.wgs84->azimuth));
        columns.appendLiteral(",").appendNumber(wholeDegrees(figures.wgs84->reverseAzimuth));
    }
    columns.appendLiteral("\n");
    return columns;
}

std::string_view csvColumnNames(bool withWgs84)
{
    return withWgs84 ? ",distance_km,azimuth,reverse_azimuth,long_path_km,long_path_azimuth,"
                       "wgs84_distance_km,wgs84_azimuth,wgs84_reverse_azimuth\n"
                     : ",distance_km,azimuth,reverse_azimuth,long_path_km,long_path_azimuth\n";
}

InlineText<64> positionText(const Position& position)
{
    InlineText<64> text;
    const auto angle = [&text](double value, std::string_view positive, std::string_view negative) {
        text.appendFixed(std::fabs(value), 3, ',').append("° ").append(value < 0 ? negative : positive);
    };
    angle(position.latitude, "с. ш.", "ю. ш.");
    text.append(", ");
    angle(position.longitude, "в. д.", "з. д.");
    return text;
}

// A loop: find_first_of calls memchr once per character.
void appendCsvField(std::string& out, std::string_view text)
{
    const auto needsQuotes = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    if (std::none_of(text.begin(), text.end(), needsQuotes)) {
        out.append(text);
        return;
    }
    out.push_back('"');
    for (const char c : text) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

LogValues logValues(const PairFigures& figures, bool samePlace, LogPath path, bool bearing)
{
    LogValues values;
    if (samePlace || !figures.shortPath.distanceKm) {
        figures.wgs84 ? values.distance.appendTenths(0) : values.distance.appendNumber(0);
        return values;
    }
    if (path == LogPath::Long)
        values.distance.appendNumber(static_cast<long long>(figures.longPath->distanceKm));
    else if (figures.wgs84)
        values.distance.appendTenths(figures.wgs84->distanceKm);
    else
        values.distance.appendNumber(static_cast<long long>(*figures.shortPath.distanceKm));
    if (!bearing)
        return values;
    values.antennaAzimuth.emplace().appendNumber(path == LogPath::Long ? figures.longPath->azimuth
                                                 : figures.wgs84       ? wholeDegrees(figures.wgs84->azimuth)
                                                                       : figures.shortPath.azimutPush);
    return values;
}

} // namespace geodesy
