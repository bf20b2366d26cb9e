#include "qrb/figures.h"

#include "geodesy/messages.h"

namespace {

PairFailure failed(const char* name, std::string_view text, const dxcc::StationFailure& failure)
{
    return {dxcc::stationMessage(name, text, failure), failure.countryFile ? kMisuse : kBadInput};
}

} // namespace

std::variant<PairResult, PairFailure> figuresFor(std::string_view own, std::string_view kor, bool ellipsoid,
                                                 dxcc::CountrySource& countries)
{
    auto korStation = dxcc::readStationText(kor, countries);
    if (auto* failure = std::get_if<dxcc::StationFailure>(&korStation))
        return failed("корреспондент", kor, *failure);
    auto ownStation = dxcc::readStationText(own, countries);
    if (auto* failure = std::get_if<dxcc::StationFailure>(&ownStation))
        return failed("свои координаты", own, *failure);
    PairResult pair{std::move(std::get<dxcc::Station>(ownStation)), std::move(std::get<dxcc::Station>(korStation)), {}};
    pair.figures = geodesy::pairFigures(pair.own.position, pair.kor.position, ellipsoid);
    if (!pair.figures.shortPath.distanceKm)
        return PairFailure{std::string(geodesy::CoincidentPointsMessage), kBadInput};
    return pair;
}
