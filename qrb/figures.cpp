#include "qrb/figures.h"

#include "geodesy/messages.h"
#include "geodesy/station.h"

std::variant<geodesy::PairFigures, std::string> figuresFor(std::string_view own, std::string_view kor,
                                                           bool ellipsoid)
{
    using namespace geodesy;
    const auto korPosition = readStation(kor);
    if (const auto* failure = std::get_if<StationFailure>(&korPosition))
        return "корреспондент «" + std::string(kor) + "»: " + std::string(message(*failure));
    const auto ownPosition = readStation(own);
    if (const auto* failure = std::get_if<StationFailure>(&ownPosition))
        return "свои координаты «" + std::string(own) + "»: " + std::string(message(*failure));
    PairFigures figures = pairFigures(std::get<Position>(ownPosition), std::get<Position>(korPosition), ellipsoid);
    if (!figures.shortPath.distanceKm)
        return std::string(CoincidentPointsMessage);
    return figures;
}
