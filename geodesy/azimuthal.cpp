#include "geodesy/azimuthal.h"

#include "geodesy/great_circle.h"
#include "geodesy/pi.h"

#include <cmath>

namespace geodesy {

AzimuthalMap azimuthalMap(const Position& centre)
{
    const double latitude = trueRadians(centre.latitude);
    return {latitude, trueRadians(centre.longitude), std::sin(latitude), std::cos(latitude)};
}

MapPoint project(const AzimuthalMap& map, const Position& point)
{
    const double latitude = trueRadians(point.latitude);
    const double deltaLongitude = trueRadians(point.longitude) - map.longitude;
    const double cosLatitude = std::cos(latitude);
    const double sinLatitude = std::sin(latitude);
    // The direction from the centre, east and north, as long as the sine
    // of the central angle; and that angle's cosine.
    const double east = cosLatitude * std::sin(deltaLongitude);
    const double north = map.cosLatitude * sinLatitude - map.sinLatitude * cosLatitude * std::cos(deltaLongitude);
    const double cosine = map.sinLatitude * sinLatitude + map.cosLatitude * cosLatitude * std::cos(deltaLongitude);
    const double sine = std::hypot(east, north);
    const double distance = std::atan2(sine, cosine) * EarthRadiusKm;
    // The centre, or the antipode, to rounding: no direction to speak of.
    if (sine < 1e-12)
        return {0, cosine < 0 ? distance : 0};
    return {distance * east / sine, distance * north / sine};
}

Position unproject(const AzimuthalMap& map, const MapPoint& point)
{
    const double angle = std::hypot(point.x, point.y) / EarthRadiusKm;
    const double azimuth = std::atan2(point.x, point.y);
    const double sinLatitude = map.sinLatitude * std::cos(angle) + map.cosLatitude * std::sin(angle) * std::cos(azimuth);
    const double latitude = std::asin(std::fmax(-1.0, std::fmin(1.0, sinLatitude)));
    const double longitude = map.longitude
        + std::atan2(std::sin(azimuth) * std::sin(angle) * map.cosLatitude,
                     std::cos(angle) - map.sinLatitude * sinLatitude);
    // Back into -180..180.
    return {trueDegrees(latitude), trueDegrees(std::remainder(longitude, 2 * TruePi))};
}

} // namespace geodesy
