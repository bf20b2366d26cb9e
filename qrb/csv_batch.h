#pragma once

#include "qrb/report.h"

#include <cstdio>
#include <string>
#include <vector>

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
// was bad, kMisuse when an input could not be read.
ExitStatus writeCsv(const std::vector<NamedInput>& inputs, bool ellipsoid, OutputFile& out);
