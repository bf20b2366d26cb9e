#include "geodesy/number.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace geodesy {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipBlanks(std::string_view text, std::size_t i)
{
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

std::size_t skipDigits(std::string_view text, std::size_t i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// Length of the number text at the start of `text`; 0 when there is none.
std::size_t numberLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t integerStart = i;
    i = skipDigits(text, i);
    std::size_t digits = i - integerStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = i + 1;
        const std::size_t fractionEnd = skipDigits(text, fractionStart);
        digits += fractionEnd - fractionStart;
        if (digits > 0)
            i = fractionEnd;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t exponentEnd = skipDigits(text, j);
        if (exponentEnd > j)
            i = exponentEnd;
    }
    return i;
}

// The C library reads numbers in the process locale, which the window's
// toolkit sets to the user's; ours are always written with ".".
double readNumber(std::string_view number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string copy(number);
    return strtod_l(copy.c_str(), nullptr, cLocale);
}

} // namespace

bool isNumber(std::string_view text)
{
    const std::size_t start = skipBlanks(text, 0);
    const std::size_t length = numberLength(text.substr(start));
    if (length == 0 || skipBlanks(text, start + length) != text.size())
        return false;
    return std::isfinite(readNumber(text.substr(start, length)));
}

double numberValue(std::string_view text)
{
    const std::size_t start = skipBlanks(text, 0);
    const std::size_t length = numberLength(text.substr(start));
    return length == 0 ? 0.0 : readNumber(text.substr(start, length));
}

} // namespace geodesy
