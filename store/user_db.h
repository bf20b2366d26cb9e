#pragma once

#include <QString>

#include <array>

namespace store {

// The station database: a file of this name in the program's directory, with
// one table holding the own station in its first record.
inline constexpr char userDbFileName[] = "user.mdb";
inline constexpr char ownStationTable[] = "MyLocator";

// The table's columns in the order the own-station fields are bound: latitude
// degrees, minutes, seconds, longitude degrees, minutes, seconds, locator.
inline constexpr std::array<const char*, 7> ownStationColumns = {
    "H1G", "H1M", "H1S", "D1G", "D1M", "D1S", "AZIDAL",
};

// Where the program keeps its station database: user.mdb in the directory
// that holds the executable, whatever the working directory.
QString stationDatabasePath();

} // namespace store
