#include "geodesy/station.h"

#include "geodesy/messages.h"
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
    if (characterCount(text) == 6) {
        const LocatorDecoding decoding = decodeLocator(text);
        if (const auto* failure = std::get_if<LocatorFailure>(&decoding.result))
            return *failure;
        const DecodedLocator& centre = std::get<DecodedLocator>(decoding.result);
        return Position{centre.latitude, centre.longitude};
    }
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

std::string_view message(GridFailure failure)
{
    switch (failure) {
    case GridFailure::WrongLength:
        return "Локатор должен состоять из 2, 4, 6, 8 или 10 символов.";
    case GridFailure::WrongCharacters:
        return "Не корректный ввод локатора: пары символов идут так: буквы, цифры, буквы A-X, цифры, "
               "буквы A-X (например KO85TS27HL).";
    case GridFailure::LatitudeOutOfRange:
        return "Широта не может быть больше 90 град.: вторая буква локатора должна быть от A до R.";
    case GridFailure::LongitudeOutOfRange:
        return "Долгота не может быть больше 180 град.: первая буква локатора должна быть от A до R.";
    }
    return {};
}

std::string_view message(DegreesFailure failure)
{
    switch (failure) {
    case DegreesFailure::NotDegrees:
        return "Координаты в градусах записываются как ШИРОТА,ДОЛГОТА, например 55.7708,37.6250; "
               "юг и запад со знаком минус.";
    case DegreesFailure::LatitudeOutOfRange:
        return message(PositionFailure::LatitudeOutOfRange);
    case DegreesFailure::LongitudeOutOfRange:
        return message(PositionFailure::LongitudeOutOfRange);
    }
    return {};
}

std::string_view message(const StationFailure& failure)
{
    return std::visit([](auto kind) { return message(kind); }, failure);
}

} // namespace geodesy
