#pragma once

#include "qrb/options.h"
#include "qrb/report.h"

namespace dxcc {
class CountrySource;
}
class OutputFile;

// The beam-heading table --beam asks for, from the own station in any form
// the command reads, to every entity of the country file: CSV for a .csv
// file, A4 pages for a .pdf, else aligned text under its heading line. A
// station that cannot be read, or no country file, is reported, kMisuse.
ExitStatus writeBeamTable(const Options& options, dxcc::CountrySource& countries, OutputFile& out);
