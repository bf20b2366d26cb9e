#pragma once

#include "geodesy/position.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace geodesy {

// A locator is six characters: field letters (longitude, latitude), square
// digits (longitude, latitude), subsquare letters (longitude, latitude).
// Letters are the capitals "A" to "X", valued 0 to 23. A field is 20 by 10
// degrees, a square 2 by 1, a subsquare 5 by 2.5 minutes.

// The six values of the last encoding, cell 1 to cell 6 at index 0 to 5:
// longitude field, latitude field, longitude square, latitude square,
// longitude subsquare, latitude subsquare. Whole numbers held as doubles.
using LocIndex = std::array<double, 6>;

struct EncodedLocator {
    std::string text;
    LocIndex locIndex;
};

// The locator of the subsquare that holds the position. The position must be
// within the valid ranges; latitude 90 or longitude 180 give the field letter
// "S", which decoding refuses. Double arithmetic decides positions on a
// boundary: longitude 0°10'00" with latitude 0 gives JJ00BA.
EncodedLocator encodeLocator(const Position& position);

// The pieces in which a locator is written into its field, in order: the two
// field letters one by one, both square digits together, the two subsquare
// letters one by one.
std::array<std::string_view, 5> locatorPieces(std::string_view locator);

// The six cells of the last decoding: letters as their values, the square
// digits as the characters that spell them.
struct LocPart {
    int cell1 = 0;
    int cell2 = 0;
    char cell3 = '0';
    char cell4 = '0';
    int cell5 = 0;
    int cell6 = 0;
};

enum class LocatorFailure {
    WrongLength,          // not exactly six characters; blanks count
    WrongCharacters,      // a digit where a letter belongs, or anything but
                          // a digit where a digit belongs, or a letter
                          // position holding neither a digit nor A to X
    LatitudeOutOfRange,   // second field letter S to X
    LongitudeOutOfRange,  // first field letter S to X
};

// The centre of the subsquare a locator names, in degrees.
struct DecodedLocator {
    double longitude;
    double latitude;
    LocPart locPart;
};

struct LocatorDecoding {
    // The text as locatorLetters reads it; the own locator's field shows it
    // once the length has been found right.
    std::string upper;
    std::variant<DecodedLocator, LocatorFailure> result;
};

// Decodes a locator in any letter case, six Cyrillic letters read as their
// Latin twins (locatorLetters). Length is counted in characters of
// the UTF-8 text. The checks come in the order of LocatorFailure; latitude is
// tested before longitude. KO85TS gives longitude 37.625, latitude 55.77083….
LocatorDecoding decodeLocator(std::string_view text);

// decodeLocator's result alone, where the text as read is not wanted.
std::variant<DecodedLocator, LocatorFailure> locatorCentre(std::string_view text);

// The latitude of a subsquare's centre in degrees, from the values of its
// latitude field letter, square digit and subsquare letter.
double centreLatitude(int field, int square, int subsquare);

// The number of characters of a UTF-8 text, as a locator's length is counted.
std::size_t characterCount(std::string_view text);

// The text with each Latin and Cyrillic letter in upper case; other
// characters, and bytes that are not UTF-8, are kept.
std::string upperCase(std::string_view text);

// A byte as a locator is read: a Latin small letter as its capital, any
// other as it is.
inline char latinCapital(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c;
}

// A locator's or a call's text as it is read: in upper case, and with the
// six Cyrillic letters that look and sound like Latin ones, А Е К М О Т,
// turned into those, so that «ко85тм» typed on purpose reads KO85TM. The
// five that look like one Latin letter and sound like another, В Н Р С Х,
// are kept, and refused where they are read: «С» may be C or S. Every other
// character is kept.
std::string locatorLetters(std::string_view text);

// The first of В Н Р С Х, in either case, that the text holds, as UTF-8;
// empty when there is none.
std::string_view ambiguousLetter(std::string_view text);

} // namespace geodesy
