#include "qrb/figures.h"

#include "geodesy/messages.h"

std::variant<PairResult, StationFailure> figuresFor(std::string_view own, std::string_view kor, bool ellipsoid,
                                                    CountrySource& countries)
{
    auto korStation = readStationText(kor, countries);
    if (auto* failure = std::get_if<StationFailure>(&korStation))
        return StationFailure{stationMessage("корреспондент", kor, *failure), failure->status};
    auto ownStation = readStationText(own, countries);
    if (auto* failure = std::get_if<StationFailure>(&ownStation))
        return StationFailure{stationMessage("свои координаты", own, *failure), failure->status};
    PairResult pair{std::move(std::get<Station>(ownStation)), std::move(std::get<Station>(korStation)), {}};
    pair.figures = geodesy::pairFigures(pair.own.position, pair.kor.position, ellipsoid);
    if (!pair.figures.shortPath.distanceKm)
        return StationFailure{std::string(geodesy::CoincidentPointsMessage), kBadInput};
    return pair;
}
