#pragma once

#include "geodesy/position.h"
#include "qrb/report.h"

#include <cstdio>
#include <optional>
#include <string>

class OutputFile;

struct AdifFill {
    std::string name;  // of the log, as the messages show it
    std::FILE* log;
    std::optional<geodesy::Position> my;  // for records that do not say
    bool overwrite;
    bool ellipsoid;
};

// Writes the log with DISTANCE (km) and ANT_AZ (degrees) added to every QSO
// whose correspondent's position can be found: GRIDSQUARE (with
// GRIDSQUARE_EXT), else LAT and LON; the own station's from MY_GRIDSQUARE,
// else MY_LAT and MY_LON, else `my`. A QSO made at the own position gets a
// DISTANCE of 0 and no ANT_AZ. All else is written as it stands. A QSO whose
// positions are wrong is written unchanged, and each kind of fault is
// reported once, after the log (kBadInput). A malformed log stops the run
// (kMisuse).
ExitStatus fillAdif(const AdifFill& fill, OutputFile& out);
