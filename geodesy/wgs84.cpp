#include "geodesy/wgs84.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace geodesy {
namespace {

double fromZeroTo360(double degrees)
{
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0 ? turned + 360 : turned;
}

} // namespace

Wgs84Path wgs84Path(const Position& own, const Position& kor)
{
    double metres = 0;
    double azimuth = 0;
    double forwardAtKor = 0;
    GeographicLib::Geodesic::WGS84().Inverse(own.latitude, own.longitude, kor.latitude, kor.longitude,
                                             metres, azimuth, forwardAtKor);
    // GeographicLib gives the azimuth at the far end going on, away from us.
    return {metres / 1000, fromZeroTo360(azimuth), fromZeroTo360(forwardAtKor + 180)};
}

} // namespace geodesy
