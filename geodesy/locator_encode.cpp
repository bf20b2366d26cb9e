#include "geodesy/locator.h"

#include <cmath>

namespace geodesy {
namespace {

struct AxisIndex {
    double field;
    double square;
    double subsquare;
};

// Both axes share one step: latitude is doubled beforehand so that the
// divisors 20, 2 and 12 serve both.
AxisIndex axisStep(double v)
{
    const double w = std::floor(v);
    const double field = std::floor(w / 20);
    const double r = w - field * 20;
    const double square = std::floor(r / 2);
    const double subsquare = std::floor(((r - square * 2) + (v - w)) * 12);
    return {field, square, subsquare};
}

char letter(double value) { return static_cast<char>('A' + static_cast<int>(value)); }
char digit(double value) { return static_cast<char>('0' + static_cast<int>(value)); }

} // namespace

EncodedLocator encodeLocator(const Position& position)
{
    const AxisIndex x = axisStep(position.longitude + 180);
    const AxisIndex y = axisStep(position.latitude * 2 + 180);
    EncodedLocator result;
    result.locIndex = {x.field, y.field, x.square, y.square, x.subsquare, y.subsquare};
    result.text = {letter(x.field), letter(y.field), digit(x.square), digit(y.square),
                   letter(x.subsquare), letter(y.subsquare)};
    return result;
}

std::array<std::string_view, 5> locatorPieces(std::string_view locator)
{
    return {locator.substr(0, 1), locator.substr(1, 1), locator.substr(2, 2),
            locator.substr(4, 1), locator.substr(5, 1)};
}

} // namespace geodesy
