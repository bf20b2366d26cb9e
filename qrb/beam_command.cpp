#include "qrb/beam_command.h"

#include "map/beam_sheet.h"
#include "dxcc/country_source.h"
#include "qrb/output_file.h"
#include "dxcc/station_text.h"

#include <ctime>

namespace {

bool endsWith(std::string name, std::string_view extension)
{
    for (char& c : name)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return name.size() >= extension.size() && name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
}

} // namespace

ExitStatus writeBeamTable(const Options& options, dxcc::CountrySource& countries, OutputFile& out)
{
    const std::string& own = options.beam.own;
    const auto read = dxcc::readStationText(own, countries);
    if (const auto* failure = std::get_if<dxcc::StationFailure>(&read)) {
        report(dxcc::stationMessage("--beam", own, *failure));
        return kMisuse;
    }
    const dxcc::CountryFile* file = countries.file();
    if (!file) {
        report(countries.failure());
        return kMisuse;
    }
    const geodesy::Position& position = std::get<dxcc::Station>(read).position;
    const std::vector<dxcc::BeamRow> rows = dxcc::beamTable(*file, position, options.beam.order);
    const std::string heading = dxcc::beamHeading(own, position, *file, std::time(nullptr));
    if (endsWith(options.output, ".csv")) {
        out.buffer() += dxcc::beamTableCsv(rows);
    } else if (endsWith(options.output, ".pdf")) {
        const QByteArray pdf = map::beamSheetPdf(rows, QString::fromStdString(heading));
        out.buffer().append(pdf.constData(), std::size_t(pdf.size()));
    } else {
        out.buffer() += heading + "\n\n" + dxcc::beamTableText(rows);
    }
    return kSuccess;
}
