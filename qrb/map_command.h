#pragma once

#include "qrb/options.h"
#include "qrb/report.h"

namespace dxcc {
class CountrySource;
}
class OutputFile;

// Draws the map --map asks for into the output, by the renderer the window
// uses: the centre and the stations in any form the command reads, a log's
// QSOs, the night at an hour. A wrong option or log is reported, kMisuse.
ExitStatus drawMap(const Options& options, dxcc::CountrySource& countries, OutputFile& out);
