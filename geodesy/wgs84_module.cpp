#include "geodesy/wgs84_module.h"

#include <GeographicLib/Geodesic.hpp>

#include <type_traits>

extern "C" __attribute__((visibility("default"))) void azidalWgs84Inverse(
    double ownLatitude, double ownLongitude, double korLatitude, double korLongitude, double* metres,
    double* azimuth, double* azimuthGoingOn)
{
    static_assert(std::is_same_v<decltype(&azidalWgs84Inverse), geodesy::Wgs84Inverse>);
    GeographicLib::Geodesic::WGS84().Inverse(ownLatitude, ownLongitude, korLatitude, korLongitude, *metres,
                                             *azimuth, *azimuthGoingOn);
}
