// azidal-qrb: distance and azimuths between two stations on the command
// line, for files of pairs, and for ADIF logs; the map and the beam-heading
// table.

#include "geodesy/figure_texts.h"
#include "geodesy/messages.h"
#include "geodesy/station.h"
#include "geodesy/wgs84.h"
#include "qrb/adif_fill.h"
#include "qrb/beam_command.h"
#include "dxcc/country_source.h"
#include "qrb/csv_batch.h"
#include "qrb/figures.h"
#include "qrb/input_file.h"
#include "qrb/map_command.h"
#include "qrb/options.h"
#include "qrb/output_file.h"
#include "qrb/report.h"
#include "qrb/system_error.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <new>

namespace {

// A line for each station that was a callsign, then the figures' line.
ExitStatus onePair(const Options& options, dxcc::CountrySource& countries, OutputFile& out)
{
    const auto read = figuresFor(options.stations[0], options.stations[1], options.ellipsoid, countries);
    if (const auto* failure = std::get_if<PairFailure>(&read)) {
        report(failure->words);
        return failure->status;
    }
    const PairResult& pair = std::get<PairResult>(read);
    for (const dxcc::Station* station : {&pair.own, &pair.kor})
        if (station->call)
            out.buffer().append(dxcc::callLine(*station->call, *countries.file())).append("\n");
    out.buffer().append(geodesy::readableLine(pair.figures).view());
    return kSuccess;
}

ExitStatus batch(const Options& options, dxcc::CountrySource& countries, OutputFile& out)
{
    std::vector<InputFile> files;
    std::vector<NamedInput> inputs;
    for (const std::string& name : options.inputs) {
        files.push_back(openInput(name));
        if (!files.back()) {
            report("не удалось открыть «", name, "»: ", systemError());
            return kMisuse;
        }
        inputs.push_back({shownName(name), files.back().get()});
    }
    return writeCsv(inputs, options.ellipsoid, options.entities, countries, out);
}

ExitStatus fillLog(const Options& options, dxcc::CountrySource& countries, OutputFile& out)
{
    AdifFill fill{shownName(options.log), nullptr, std::nullopt, options.overwrite, options.ellipsoid,
                  options.distance, options.country ? &countries : nullptr};
    if (!options.my.empty()) {
        const auto my = geodesy::readStation(options.my);
        if (const auto* failure = std::get_if<geodesy::StationFailure>(&my)) {
            report("--my «", options.my, "»: ", geodesy::message(*failure));
            return kMisuse;
        }
        fill.my = std::get<geodesy::Position>(my);
    }
    const InputFile file = openInput(options.log);
    if (!file) {
        report("не удалось открыть «", options.log, "»: ", systemError());
        return kMisuse;
    }
    fill.log = file.get();
    return fillAdif(fill, out);
}

// What the options ask for.
ExitStatus run(const Options& options, dxcc::CountrySource& countries, OutputFile& out)
{
    if (options.ellipsoid && !geodesy::wgs84Available()) {
        report("расчёт по WGS-84 недоступен: программа установлена не полностью");
        return kMisuse;
    }
    switch (options.mode) {
    case Mode::Pair:
        return onePair(options, countries, out);
    case Mode::Csv:
        return batch(options, countries, out);
    case Mode::Adif:
        return fillLog(options, countries, out);
    case Mode::Map:
        return drawMap(options, countries, out);
    case Mode::Beam:
        return writeBeamTable(options, countries, out);
    }
    return kSuccess;
}

} // namespace

int main(int argc, char* argv[])
{
    // A map or the table's pages are painted, with fonts, but on no
    // display: over SSH, on a server, in a script, no X connection is opened.
    // Qt's own notes on standard error are in English and for developers.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
    });
    std::unique_ptr<QCoreApplication> application;
    if (asksForPainting(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("azidal-qrb"));
    QCoreApplication::setApplicationVersion(QStringLiteral(AZIDAL_VERSION));
    // Qt's own words of --help and of its errors, in Russian like the rest.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);

    const auto read = readOptions(QCoreApplication::arguments());
    if (const auto* misuse = std::get_if<std::string>(&read)) {
        report(*misuse, " Подробнее: azidal-qrb --help");
        return kMisuse;
    }
    const Options& options = std::get<Options>(read);

    OutputFile out(options.inPlace ? options.log : options.output, options.inPlace);
    if (!out.open()) {
        report(out.failure());
        return kMisuse;
    }
    dxcc::CountrySource countries(options.countryFile, [](int code) { return systemError(code); });
    ExitStatus status = kSuccess;
    try {
        status = run(options, countries, out);
    } catch (const std::bad_alloc&) {
        // Under a limit of memory too tight for the work: said, and the
        // output file left as it was.
        report("не хватает памяти");
        return kMisuse;
    }
    if (status == kMisuse)
        return status;
    if (!out.commit()) {
        report(out.failure());
        return kMisuse;
    }
    return status;
}
