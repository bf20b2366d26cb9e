#include "geodesy/long_path.h"

#include "geodesy/great_circle.h"

#include <cmath>

namespace geodesy {

LongPath longPath(std::int16_t azimutPush, double distanceKm)
{
    return {std::floor(TwoPi * EarthRadiusKm - distanceKm + 0.5),
            static_cast<std::int16_t>((azimutPush + 180) % 360)};
}

} // namespace geodesy
