#pragma once

#include "geodesy/pair_figures.h"
#include "dxcc/station_text.h"
#include "qrb/report.h"

#include <string_view>
#include <variant>

// Two stations and their figures.
struct PairResult {
    dxcc::Station own;
    dxcc::Station kor;
    geodesy::PairFigures figures;
};

// The figures for two station texts (locators of any standard length,
// decimal degrees or callsigns), or why there are none, in the user's
// words: a station that cannot be read, the correspondent first as the
// window checks them, two points that coincide (kBadInput), or a country
// file that cannot be had (kMisuse).
struct PairFailure {
    std::string words;
    ExitStatus status;
};

std::variant<PairResult, PairFailure> figuresFor(std::string_view own, std::string_view kor, bool ellipsoid,
                                                    dxcc::CountrySource& countries);
