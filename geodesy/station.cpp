#include "geodesy/station.h"

#include "geodesy/number.h"

namespace geodesy {

std::variant<Position, DegreesFailure> readDegrees(std::string_view text)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return DegreesFailure::NotDegrees;
    const std::string_view latitude = text.substr(0, comma);
    const std::string_view longitude = text.substr(comma + 1);
    if (!isNumber(latitude) || !isNumber(longitude))
        return DegreesFailure::NotDegrees;
    const Position position{numberValue(latitude), numberValue(longitude)};
    if (position.latitude < -90 || position.latitude > 90)
        return DegreesFailure::LatitudeOutOfRange;
    if (position.longitude < -180 || position.longitude > 180)
        return DegreesFailure::LongitudeOutOfRange;
    return position;
}

std::variant<Position, StationFailure> readLocator(std::string_view text)
{
    // Six characters are decoded in full; any other length is the grid's.
    const auto decoded = locatorCentre(text);
    if (const auto* centre = std::get_if<DecodedLocator>(&decoded))
        return Position{centre->latitude, centre->longitude};
    if (const LocatorFailure failure = std::get<LocatorFailure>(decoded); failure != LocatorFailure::WrongLength)
        return failure;
    const auto grid = decodeGridLocator(text);
    if (const auto* failure = std::get_if<GridFailure>(&grid))
        return *failure;
    return std::get<Position>(grid);
}

std::variant<Position, StationFailure> readStation(std::string_view text)
{
    if (text.find(',') == std::string_view::npos)
        return readLocator(text);
    const auto degrees = readDegrees(text);
    if (const auto* failure = std::get_if<DegreesFailure>(&degrees))
        return *failure;
    return std::get<Position>(degrees);
}

} // namespace geodesy
