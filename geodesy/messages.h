#pragma once

#include "geodesy/locator.h"
#include "geodesy/position.h"
#include "geodesy/station.h"

#include <string>
#include <string_view>

namespace geodesy {

// The words the user reads for each failure of the core, in UTF-8: all of
// them are here.
std::string_view message(PositionFailure failure);
std::string_view message(LocatorFailure failure);
std::string_view message(GridFailure failure);
std::string_view message(DegreesFailure failure);
std::string_view message(const StationFailure& failure);

// "«С» — русская буква, а локаторы и позывные пишутся латинскими: C или S?"
std::string ambiguousLetterMessage(std::string_view letter);

inline constexpr std::string_view CoincidentPointsMessage =
    "При расчете ВАШИ координаты совпали с ВВЕДЕННЫМИ !";

// In place of the ellipsoid's figures, when their module cannot be loaded.
inline constexpr std::string_view Wgs84UnavailableMessage = "WGS-84: недоступно, программа установлена не полностью";

} // namespace geodesy
