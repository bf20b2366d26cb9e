#include "geodesy/locator.h"

#include <algorithm>
#include <array>

namespace geodesy {

// Every byte that does not continue a character.
std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

double centreLatitude(int field, int square, int subsquare)
{
    return ((10.0 * field) + square) + ((subsquare + 0.5) / 24) - 90;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return c >= 'A' && c <= 'X'; }

// The centre named by a locator's text as locatorLetters reads it. Six
// characters in six bytes: any character of more than one byte would stand
// where only a digit or a letter A to X may stand. Which failure it is, when
// it is one, goes by the characters' count.
std::variant<DecodedLocator, LocatorFailure> centreOf(std::string_view t)
{
    const bool rightCharacters = t.size() == 6 && isLetter(t[0]) && isLetter(t[1])
        && isDigit(t[2]) && isDigit(t[3]) && isLetter(t[4]) && isLetter(t[5]);
    if (!rightCharacters)
        return characterCount(t) == 6 ? LocatorFailure::WrongCharacters : LocatorFailure::WrongLength;

    DecodedLocator centre;
    centre.locPart = {t[0] - 'A', t[1] - 'A', t[2], t[3],
                      t[4] - 'A', t[5] - 'A'};
    const LocPart& cell = centre.locPart;
    const int digit3 = t[2] - '0';
    const int digit4 = t[3] - '0';
    centre.longitude = ((20.0 * cell.cell1) + (2.0 * digit3)) + ((cell.cell5 + 0.5) / 12) - 180;
    centre.latitude = centreLatitude(cell.cell2, digit4, cell.cell6);

    if (centre.latitude < -90 || centre.latitude > 90)
        return LocatorFailure::LatitudeOutOfRange;
    if (centre.longitude < -180 || centre.longitude > 180)
        return LocatorFailure::LongitudeOutOfRange;
    return centre;
}

} // namespace

std::variant<DecodedLocator, LocatorFailure> locatorCentre(std::string_view text)
{
    // Six Latin characters, as nearly every locator comes, are made capitals
    // in place, without a text made of them.
    const auto latin = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (text.size() == 6 && std::all_of(text.begin(), text.end(), latin)) {
        std::array<char, 6> upper;
        std::transform(text.begin(), text.end(), upper.begin(), latinCapital);
        return centreOf({upper.data(), upper.size()});
    }
    return centreOf(locatorLetters(text));
}

LocatorDecoding decodeLocator(std::string_view text)
{
    LocatorDecoding decoding{locatorLetters(text), LocatorFailure::WrongLength};
    decoding.result = centreOf(decoding.upper);
    return decoding;
}

} // namespace geodesy
