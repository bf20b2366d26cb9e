#pragma once

namespace geodesy {

// The sine, cosine and tangent of a latitude in radians.
struct LatitudeTrig {
    double sin = 0;
    double cos = 0;
    double tan = 0;
};

// As std::sin, std::cos and std::tan give them; the tangent is left 0 unless
// asked for. The latitudes a locator names are looked up rather than worked
// out: the same numbers, without the time.
LatitudeTrig latitudeTrig(double radians, bool withTangent);

} // namespace geodesy
