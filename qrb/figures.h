#pragma once

#include "geodesy/long_path.h"
#include "geodesy/position.h"
#include "geodesy/wgs84.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// Everything the command tells about one pair of stations.
struct Figures {
    // The short path on the sphere, as the window shows it.
    std::int16_t azimuth;
    std::int16_t reverseAzimuth;
    double distanceKm;
    geodesy::LongPath longPath;
    std::optional<geodesy::Wgs84Path> wgs84;  // asked for with --ellipsoid
};

// The figures from the own station to the correspondent, computed by the
// window's own functions; empty when the two points coincide.
std::optional<Figures> figuresBetween(const geodesy::Position& own, const geodesy::Position& kor,
                                      bool ellipsoid);

// The same from two station texts (locators of any standard length, or
// decimal degrees), or why not, in the user's words.
std::variant<Figures, std::string> figuresFor(std::string_view own, std::string_view kor, bool ellipsoid);

// The one readable line that answers for a pair, with its line end.
std::string readableLine(const Figures& figures);
