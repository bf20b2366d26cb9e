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

// Where a program in programDir keeps its station database. Beside the
// program when that directory is writable (the build tree, a portable copy,
// a per-user install). Otherwise, as in a system-wide install where no Save
// could succeed, in userDataDir: a copy of the database beside the program,
// made the first time, so that each user keeps an own station.
QString stationDatabasePath(const QString& programDir, const QString& userDataDir);

// The same for this program, whatever the working directory.
QString stationDatabasePath();

} // namespace store
