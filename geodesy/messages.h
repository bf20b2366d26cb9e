#pragma once

#include "geodesy/locator.h"
#include "geodesy/position.h"

#include <string_view>

namespace geodesy {

// The words the user reads for each failure, in UTF-8.
std::string_view message(PositionFailure failure);
std::string_view message(LocatorFailure failure);

inline constexpr std::string_view kCoincidentPointsMessage =
    "При расчете ВАШИ координаты совпали с ВВЕДЕННЫМИ !";

} // namespace geodesy
