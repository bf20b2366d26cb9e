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

} // namespace geodesy
