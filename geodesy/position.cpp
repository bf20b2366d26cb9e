#include "geodesy/position.h"

#include "geodesy/number.h"

#include <cmath>

namespace geodesy {
namespace {

double angleValue(const CoordinateTexts& texts)
{
    return (numberValue(texts.degrees) + numberValue(texts.minutes) / 60)
        + numberValue(texts.seconds) / 3600;
}

// -90 and -180 may only stand alone: "-90" "0" is refused, "-90" "" is not.
bool beyondSouthOrWestLimit(const CoordinateTexts& texts, double limit)
{
    return numberValue(texts.degrees) == limit && !texts.minutes.empty();
}

bool aboveSixty(const CoordinateTexts& texts)
{
    return numberValue(texts.minutes) > 60 || numberValue(texts.seconds) > 60;
}

InlineText<24> wholeNumberText(double whole)
{
    InlineText<24> text;
    text.appendNumber(static_cast<long long>(whole));
    return text;
}

} // namespace

std::variant<Position, PositionFailure> readPosition(const CoordinateTexts& latitude,
                                                     const CoordinateTexts& longitude)
{
    if (!isNumber(latitude.degrees) || !isNumber(longitude.degrees))
        return PositionFailure::NoCoordinates;
    if (beyondSouthOrWestLimit(longitude, -180) || beyondSouthOrWestLimit(latitude, -90))
        return PositionFailure::BeyondLimits;
    const Position position{angleValue(latitude), angleValue(longitude)};
    if (position.latitude < -90 || position.latitude > 90)
        return PositionFailure::LatitudeOutOfRange;
    if (position.longitude < -180 || position.longitude > 180)
        return PositionFailure::LongitudeOutOfRange;
    if (aboveSixty(latitude) || aboveSixty(longitude))
        return PositionFailure::MinuteOrSecondAbove60;
    return position;
}

CoordinateParts splitCoordinate(double angle)
{
    const double degrees = std::floor(angle);
    const double minutes = (angle - degrees) * 60;
    const double seconds = (minutes - std::floor(minutes)) * 60;
    return {wholeNumberText(degrees), wholeNumberText(std::floor(minutes)),
            wholeNumberText(std::floor(seconds))};
}

} // namespace geodesy
