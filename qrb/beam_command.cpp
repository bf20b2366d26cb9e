#include "qrb/beam_command.h"

#include "dxcc/country_source.h"
#include "dxcc/station_text.h"
#include "map/beam_sheet.h"
#include "qrb/output_file.h"

#include <QFile>

#include <ctime>

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
    // A terminal, or a name of no such format, gets the text.
    if (const auto format = map::beamFormatOf(QFile::decodeName(options.output.c_str()))) {
        const QByteArray bytes = map::beamFile(rows, QString::fromStdString(heading), *format);
        out.buffer().append(bytes.constData(), std::size_t(bytes.size()));
    } else {
        out.buffer() += heading + "\n\n" + dxcc::beamTableText(rows);
    }
    return kSuccess;
}
