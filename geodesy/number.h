#pragma once

#include <string_view>

namespace geodesy {

// A number text is an optional sign, decimal digits with an optional "." and
// fraction digits (at least one digit in all), and an optional exponent: "E"
// or "e", an optional sign and digits. Blanks are spaces and tabs. Only "."
// separates the fraction, whatever the user's locale.

// True when `text`, leaving out leading and trailing blanks, is exactly one
// number text and its value is finite. "55,5", "", "  " and "abc" are not
// numbers; " -12.5E1 " is.
bool isNumber(std::string_view text);

// The value of the number text that starts `text` after its leading blanks.
// Reading stops at the first character that cannot continue the number:
// "12abc" is 12 and "30,5" is 30. A text that does not begin with a number
// ("", "abc", "-") is 0. A value beyond double range is an infinity.
double numberValue(std::string_view text);

} // namespace geodesy
