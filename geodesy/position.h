#pragma once

#include "geodesy/inline_text.h"

#include <string_view>
#include <variant>

namespace geodesy {

// An angle is a double number of degrees: latitude north positive, -90..90,
// longitude east positive, -180..180, both bounds valid.
struct Position {
    double latitude;
    double longitude;
};

// One coordinate as the three fields hold it. The sign belongs to the degrees
// alone; minutes and seconds are always added, so -37.5 is "-38", "30", "0".
struct CoordinateTexts {
    std::string_view degrees;
    std::string_view minutes;
    std::string_view seconds;
};

// Why a position could not be read, in the order the checks are made.
enum class PositionFailure {
    NoCoordinates,          // a degrees text is not a number
    BeyondLimits,           // -90 or -180 degrees with a minutes text
    LatitudeOutOfRange,
    LongitudeOutOfRange,
    MinuteOrSecondAbove60,  // 60 itself and negative values pass
};

// Reads a position from its six texts. The texts are taken as they stand:
// only the degrees texts are tested to be numbers; minutes and seconds read
// as their number value ("ab" is 0). The first failed check is reported.
std::variant<Position, PositionFailure> readPosition(const CoordinateTexts& latitude,
                                                     const CoordinateTexts& longitude);

// An angle as the three texts of its fields.
struct CoordinateParts {
    InlineText<24> degrees;
    InlineText<24> minutes;
    InlineText<24> seconds;
};

// Splits an angle into whole degrees (rounded down, so -37.5 gives -38),
// whole minutes and whole seconds of the non-negative remainder. Each is
// truncated toward minus infinity, in double arithmetic, so 37.625 gives
// "37", "37", "30". The angle must be within the valid ranges.
CoordinateParts splitCoordinate(double angle);

} // namespace geodesy
