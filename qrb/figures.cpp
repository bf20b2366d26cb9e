#include "qrb/figures.h"

#include "geodesy/great_circle.h"
#include "geodesy/messages.h"
#include "geodesy/station.h"

std::optional<Figures> figuresBetween(const geodesy::Position& own, const geodesy::Position& kor,
                                      bool ellipsoid)
{
    using namespace geodesy;
    const GreatCircle circle = greatCircle(latitudeToRadians(own.latitude), toRadians(own.longitude),
                                           latitudeToRadians(kor.latitude), toRadians(kor.longitude));
    if (!circle.distanceKm)
        return std::nullopt;
    Figures figures{circle.azimutPush, circle.azimutPull, *circle.distanceKm,
                    longPath(circle.azimutPush, *circle.distanceKm), std::nullopt};
    if (ellipsoid)
        figures.wgs84 = wgs84Path(own, kor);
    return figures;
}

std::variant<Figures, std::string> figuresFor(std::string_view own, std::string_view kor, bool ellipsoid)
{
    using namespace geodesy;
    // The correspondent first, as the window checks them.
    const auto korPosition = readStation(kor);
    if (const auto* failure = std::get_if<StationFailure>(&korPosition))
        return "корреспондент «" + std::string(kor) + "»: " + std::string(message(*failure));
    const auto ownPosition = readStation(own);
    if (const auto* failure = std::get_if<StationFailure>(&ownPosition))
        return "свои координаты «" + std::string(own) + "»: " + std::string(message(*failure));
    if (auto figures = figuresBetween(std::get<Position>(ownPosition), std::get<Position>(korPosition), ellipsoid))
        return *figures;
    return std::string(kCoincidentPointsMessage);
}

std::string readableLine(const Figures& figures)
{
    geodesy::InlineText<384> line;
    line.append("ДАЛЬНОСТЬ: ")
        .appendNumber(static_cast<long long>(figures.distanceKm))
        .append(" км, АЗИМУТ прямой: ")
        .appendNumber(figures.azimuth)
        .append(" град., обратный: ")
        .appendNumber(figures.reverseAzimuth)
        .append(" град.; длинный путь: ")
        .appendNumber(static_cast<long long>(figures.longPath.distanceKm))
        .append(" км, азимут ")
        .appendNumber(figures.longPath.azimuth)
        .append(" град.");
    if (figures.wgs84) {
        line.append("; WGS-84: ")
            .appendTenths(figures.wgs84->distanceKm)
            .append(" км, прямой ")
            .appendNumber(geodesy::wholeDegrees(figures.wgs84->azimuth))
            .append(" град., обратный ")
            .appendNumber(geodesy::wholeDegrees(figures.wgs84->reverseAzimuth))
            .append(" град.");
    }
    line.append("\n");
    return std::string(line.view());
}
