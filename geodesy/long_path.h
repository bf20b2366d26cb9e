#pragma once

#include <cstdint>

namespace geodesy {

// The other way round the globe from the own station to the correspondent.
struct LongPath {
    double distanceKm;      // whole kilometres
    std::int16_t azimuth;   // whole degrees, 0..359
};

// From the short path's direct azimuth and whole-kilometre distance, with
// the program's own radius and pi: the circumference less the short path,
// halves up, and the direct azimuth turned by 180 degrees.
LongPath longPath(std::int16_t azimutPush, double distanceKm);

} // namespace geodesy
