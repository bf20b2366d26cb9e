#pragma once

#include "adif/reader.h"
#include "geodesy/position.h"

#include <string>
#include <string_view>
#include <variant>

namespace adif {

// The fields that give one station's position in a record.
struct StationFields {
    std::string_view grid;
    std::string_view gridExtension;
    std::string_view latitude;
    std::string_view longitude;
};
inline constexpr StationFields Correspondent{"GRIDSQUARE", "GRIDSQUARE_EXT", "LAT", "LON"};
inline constexpr StationFields OwnStation{"MY_GRIDSQUARE", "MY_GRIDSQUARE_EXT", "MY_LAT", "MY_LON"};

// A station's position in a QSO: its locator (GRIDSQUARE, with
// GRIDSQUARE_EXT after eight characters), else its LAT and LON. Nothing when
// the record gives neither; when what it gives is wrong, the user's words
// for that, in Russian, the same for every record with that fault.
using QsoPosition = std::variant<std::monostate, geodesy::Position, std::string>;

QsoPosition qsoPosition(const Section& record, const StationFields& fields);

} // namespace adif
