#include "geodesy/wgs84.h"

#include "geodesy/wgs84_module.h"
#include "modules/own_module.h"

#include <cmath>

namespace geodesy {
namespace {

double fromZeroTo360(double degrees)
{
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0 ? turned + 360 : turned;
}

// The module, loaded at the first figure asked for; null when it cannot be.
Wgs84Inverse inverse()
{
    static const auto loaded = reinterpret_cast<Wgs84Inverse>(ownModuleEntry("libazidal-wgs84.so", Wgs84InverseName));
    return loaded;
}

} // namespace

bool wgs84Available()
{
    return inverse() != nullptr;
}

std::optional<Wgs84Path> wgs84Path(const Position& own, const Position& kor)
{
    const Wgs84Inverse solve = inverse();
    if (!solve)
        return std::nullopt;
    double metres = 0;
    double azimuth = 0;
    double azimuthGoingOn = 0;
    solve(own.latitude, own.longitude, kor.latitude, kor.longitude, &metres, &azimuth, &azimuthGoingOn);
    // GeographicLib gives the azimuth at the far end going on, away from us.
    return Wgs84Path{metres / 1000, fromZeroTo360(azimuth), fromZeroTo360(azimuthGoingOn + 180)};
}

} // namespace geodesy
