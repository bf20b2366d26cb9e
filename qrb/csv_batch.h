#pragma once

#include "qrb/report.h"

#include <cstdio>
#include <string>
#include <vector>

namespace dxcc {
class CountrySource;
}
class OutputFile;

struct NamedInput {
    std::string name;  // as the messages show it
    std::FILE* file;
};

// Reads pairs "OWN KOR", one a line and blank-separated, from each input in
// turn and writes a CSV header and one row per pair. A bad line, or one
// longer than LineReader::LongestLine, is reported on standard error with
// its input's name and line number, and skipped; blank lines and comments,
// whose first word begins with "#", are passed over. kBadInput when a line
// was bad, kMisuse when an input or the country file could not be read.
// A callsign stands in its column as it was typed; `entities` adds the
// columns own_entity and correspondent_entity, the entity's name for a
// callsign, empty for a position.
ExitStatus writeCsv(const std::vector<NamedInput>& inputs, bool ellipsoid, bool entities, dxcc::CountrySource& countries,
                    OutputFile& out);
