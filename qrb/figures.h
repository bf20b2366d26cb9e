#pragma once

#include "geodesy/pair_figures.h"

#include <string>
#include <string_view>
#include <variant>

// The figures for two station texts (locators of any standard length, or
// decimal degrees), or why there are none, in the user's words: a station
// that cannot be read, the correspondent first as the window checks them,
// or two points that coincide.
std::variant<geodesy::PairFigures, std::string> figuresFor(std::string_view own, std::string_view kor,
                                                           bool ellipsoid);
