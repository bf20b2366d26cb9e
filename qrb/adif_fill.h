#pragma once

#include "dxcc/country_source.h"
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
    bool distance = true;  // DISTANCE and ANT_AZ
    dxcc::CountrySource* countries = nullptr;  // for DXCC, COUNTRY, CQZ, ITUZ and CONT, when asked for
};

// Writes the log with DISTANCE (km) and ANT_AZ (degrees) added to every QSO
// whose correspondent's position can be found: GRIDSQUARE (with
// GRIDSQUARE_EXT), else LAT and LON; the own station's from MY_GRIDSQUARE,
// else MY_LAT and MY_LON, else `my`. Both are of the path ANT_PATH names,
// and ANT_AZ only where PROP_MODE says the antenna pointed along it. A QSO
// made at the own position gets a DISTANCE of 0 and no ANT_AZ. With
// `countries`, a QSO's CALL gives it DXCC, COUNTRY, CQZ, ITUZ and CONT. All
// else is written as it stands. A QSO whose positions are wrong, or whose
// call has no country, is written without what it lacks, and each kind of
// fault is reported once, after the log (kBadInput). A malformed log, or a
// country file that cannot be had, stops the run (kMisuse).
ExitStatus fillAdif(const AdifFill& fill, OutputFile& out);
