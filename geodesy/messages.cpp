#include "geodesy/messages.h"

namespace geodesy {

std::string_view message(PositionFailure failure)
{
    switch (failure) {
    case PositionFailure::NoCoordinates:
        return "Введите координаты для определения локатора.";
    case PositionFailure::BeyondLimits:
        return "Широта или долгота превышает допустимые значения !";
    case PositionFailure::LatitudeOutOfRange:
        return "Широта не может быть меньше -90 град. и больше 90 град.";
    case PositionFailure::LongitudeOutOfRange:
        return "Долгота не может быть меньше -180 град. и больше 180 град.";
    case PositionFailure::MinuteOrSecondAbove60:
        return "Минута или секунда не может быть больше 60.";
    }
    return {};
}

std::string_view message(LocatorFailure failure)
{
    switch (failure) {
    case LocatorFailure::WrongLength:
    case LocatorFailure::WrongCharacters:
        return "Не корректный ввод локатора !";
    case LocatorFailure::LatitudeOutOfRange:
        return "Широта не может быть меньше -90 град. и больше 90 град. Не верно введен локатор";
    case LocatorFailure::LongitudeOutOfRange:
        return "Долгота не может быть меньше -180 град. и больше 180 град. Не верно введен локатор";
    }
    return {};
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

std::string ambiguousLetterMessage(std::string_view letter)
{
    struct Reading {
        std::string_view upper, lower, latin;
    };
    constexpr Reading Readings[] = {{"В", "в", "B или W"}, {"Н", "н", "H или N"}, {"Р", "р", "P или R"},
                                    {"С", "с", "C или S"}, {"Х", "х", "X или H"}};
    for (const Reading& r : Readings)
        if (letter == r.upper || letter == r.lower)
            return "«" + std::string(r.upper) + "» — русская буква, а локаторы и позывные пишутся латинскими: "
                 + std::string(r.latin) + "?";
    return {};
}

} // namespace geodesy
