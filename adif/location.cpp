#include "adif/location.h"

#include <charconv>

namespace adif {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<double> readLocation(std::string_view text, Axis axis)
{
    if (text.size() < 7 || text[4] != ' ' || !isDigit(text[1]) || !isDigit(text[2]) || !isDigit(text[3])
        || !isDigit(text[5]))
        return std::nullopt;
    const char direction = static_cast<char>(text[0] & ~0x20);  // upper case
    const char positive = axis == Axis::Latitude ? 'N' : 'E';
    const char negative = axis == Axis::Latitude ? 'S' : 'W';
    if (direction != positive && direction != negative)
        return std::nullopt;

    const int degrees = (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
    double minutes = 0;
    const char* const last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data() + 5, last, minutes, std::chars_format::fixed);
    if (error != std::errc() || end != last || minutes >= 60)
        return std::nullopt;
    const double value = degrees + minutes / 60;
    if (value > (axis == Axis::Latitude ? 90 : 180))
        return std::nullopt;
    return direction == negative ? -value : value;
}

} // namespace adif
