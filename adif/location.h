#pragma once

#include <optional>
#include <string_view>

namespace adif {

enum class Axis { Latitude, Longitude };

// An ADIF location, "XDDD MM.MMM": N or S for a latitude, E or W for a
// longitude (either case), three digits of degrees, a blank, and minutes
// with their fraction. In degrees, south and west negative; empty when the
// text is no such location or lies beyond 90 or 180 degrees.
std::optional<double> readLocation(std::string_view text, Axis axis);

} // namespace adif
