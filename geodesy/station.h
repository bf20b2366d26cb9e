#pragma once

#include "geodesy/locator.h"
#include "geodesy/position.h"

#include <string_view>
#include <variant>

namespace geodesy {

// Stations as the command line and logs give them: Maidenhead locators of
// every standard length, and decimal degrees. Six-character locators are
// decoded by decodeLocator, with the window's rules and messages; the other
// lengths and the degrees have refusals of their own.

// Locators of 2, 4, 8 or 10 characters: field letters, square digits,
// subsquare letters, then digits that split the subsquare 10 by 10 and
// letters A to X that split that again 24 by 24; longitude before latitude
// in each pair.
enum class GridFailure {
    WrongLength,          // not 2, 4, 6, 8 or 10 characters
    WrongCharacters,      // a letter where a digit belongs, or the reverse,
                          // or a letter beyond X
    LatitudeOutOfRange,   // second field letter S to X
    LongitudeOutOfRange,  // first field letter S to X
};

// "LAT,LON" in decimal degrees, south and west negative: 55.7708,37.6250.
enum class DegreesFailure {
    NotDegrees,           // not two number texts around one comma
    LatitudeOutOfRange,   // beyond -90..90
    LongitudeOutOfRange,  // beyond -180..180
};

using StationFailure = std::variant<LocatorFailure, GridFailure, DegreesFailure>;

// The centre of the smallest square a locator of 2, 4, 8 or 10 characters
// names, in degrees; letters in either case. Six characters are refused as
// WrongLength: those are decodeLocator's. Latitude is tested before
// longitude.
std::variant<Position, GridFailure> decodeGridLocator(std::string_view text);

// A position in decimal degrees, read with the number rules of numberValue.
std::variant<Position, DegreesFailure> readDegrees(std::string_view text);

// A locator of any standard length: six characters by decodeLocator, the
// others by decodeGridLocator.
std::variant<Position, StationFailure> readLocator(std::string_view text);

// A locator, or decimal degrees when the text holds a comma.
std::variant<Position, StationFailure> readStation(std::string_view text);

} // namespace geodesy
