#include "geodesy/station.h"

namespace geodesy {
namespace {

// The five pairs of a locator: what each holds and how many values it
// splits its square into. Field letters run to X here, as in the six-character
// code, so that S to X are refused by the range checks.
struct PairKind {
    bool letters;
    int values;
};
constexpr PairKind Pairs[] = {{true, 18}, {false, 10}, {true, 24}, {false, 10}, {true, 24}};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return c >= 'A' && c <= 'X'; }

} // namespace

std::variant<Position, GridFailure> decodeGridLocator(std::string_view text)
{
    const std::string upper = locatorLetters(text);
    const std::size_t length = characterCount(upper);
    if (length != 2 && length != 4 && length != 8 && length != 10)
        return GridFailure::WrongLength;
    if (upper.size() != length)  // a character beyond ASCII
        return GridFailure::WrongCharacters;

    // Both axes counted in squares of the last pair, from the south-west.
    long long longitudeIndex = 0;
    long long latitudeIndex = 0;
    long long squares = 1;
    for (std::size_t pair = 0; pair < length / 2; ++pair) {
        const PairKind kind = Pairs[pair];
        const char x = upper[2 * pair];
        const char y = upper[2 * pair + 1];
        const bool right = kind.letters ? isLetter(x) && isLetter(y) : isDigit(x) && isDigit(y);
        if (!right)
            return GridFailure::WrongCharacters;
        const char zero = kind.letters ? 'A' : '0';
        longitudeIndex = longitudeIndex * kind.values + (x - zero);
        latitudeIndex = latitudeIndex * kind.values + (y - zero);
        squares *= kind.values;
    }
    // The centre lies half a square beyond the south-west corner. Counted
    // from the middle of the map in whole half-squares, it takes one
    // division, so each value is the double nearest to the exact one.
    const Position centre{static_cast<double>(2 * latitudeIndex + 1 - squares) * 90 / squares,
                          static_cast<double>(2 * longitudeIndex + 1 - squares) * 180 / squares};
    if (centre.latitude > 90)
        return GridFailure::LatitudeOutOfRange;
    if (centre.longitude > 180)
        return GridFailure::LongitudeOutOfRange;
    return centre;
}

} // namespace geodesy
