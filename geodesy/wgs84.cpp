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

int wholeDegrees(double azimuth)
{
    return static_cast<int>(std::lround(azimuth)) % 360;
}

PathTexts pathTexts(const LongPath& longPath, const Wgs84Path& wgs84)
{
    PathTexts texts;
    texts.azimutPush.append("Длинный путь: ")
        .appendNumber(longPath.azimuth)
        .append(" град.\nWGS-84: ")
        .appendNumber(wholeDegrees(wgs84.azimuth))
        .append(" град.");
    texts.azimutPull.append("WGS-84: ")
        .appendNumber(wholeDegrees(wgs84.reverseAzimuth))
        .append(" град.\nот корреспондента на вас");
    texts.dalnost.append("Длинный путь: ")
        .appendNumber(static_cast<long long>(longPath.distanceKm))
        .append(" км\nWGS-84: ")
        .appendTenths(wgs84.distanceKm)
        .append(" км");
    return texts;
}

} // namespace geodesy
