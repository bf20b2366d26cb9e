#pragma once

#include <QString>

#include <array>

namespace store {

// The program's name, which names the folders of each user's station database
// and settings (~/.local/share/azidal, ~/.config/azidal); the application
// takes it at start.
inline constexpr char ApplicationName[] = "azidal";

// The station database: a file of this name in the program's directory, with
// one table holding the own station in its first record.
inline constexpr char UserDbFileName[] = "user.mdb";
inline constexpr char OwnStationTable[] = "MyLocator";

// The table's columns in the order the own-station fields are bound: latitude
// degrees, minutes, seconds, longitude degrees, minutes, seconds, locator.
inline constexpr std::array<const char*, 7> OwnStationColumns = {
    "H1G", "H1M", "H1S", "D1G", "D1M", "D1S", "AZIDAL",
};

// Where a program in programDir keeps its station database. Beside the
// program when a database is there: the build tree, a portable folder.
// Otherwise, as for an installed program, in userDataDir: the user's own
// copy, made from templatePath the first time, so that each user, root
// too, keeps an own station that no upgrade of the program replaces.
struct StationLocation {
    QString path;
    // When there is no file in either place and no template to copy: why,
    // and what the user can do, in Russian. Empty otherwise.
    QString noFile;
};

StationLocation stationLocation(const QString& programDir, const QString& templatePath, const QString& userDataDir);

// The same for this program, whatever the working directory.
StationLocation stationLocation();

} // namespace store
