#include "qrb/map_command.h"

#include "geodesy/messages.h"
#include "geodesy/pair_figures.h"
#include "map/map_file.h"
#include "dxcc/country_source.h"
#include "qrb/input_file.h"
#include "qrb/output_file.h"
#include "dxcc/station_text.h"
#include "qrb/system_error.h"
#include "threads/both_at_once.h"

#include <QDateTime>

#include <cstdio>

namespace {

// A station as the map labels it: as it was given.
std::optional<map::MapStation> station(const std::string& text, const char* option, dxcc::CountrySource& countries)
{
    const auto read = dxcc::readStationText(text, countries);
    if (const auto* failure = std::get_if<dxcc::StationFailure>(&read)) {
        report(dxcc::stationMessage(option, text, *failure));
        return std::nullopt;
    }
    const dxcc::Station& station = std::get<dxcc::Station>(read);
    return map::MapStation{station.position, QString::fromStdString(dxcc::stationLabel(text, station))};
}

// A number of the command line within its range, or its message.
std::optional<double> number(const std::string& text, double lowest, double highest, const char* option,
                             const std::string& words)
{
    bool ok = false;
    const double value = QString::fromStdString(text).toDouble(&ok);
    if (ok && value >= lowest && value <= highest)
        return value;
    report(option, " «" + text + "»: ", words);
    return std::nullopt;
}

// "20015": kilometres as the messages say them.
std::string wholeKm(double km)
{
    return QString::number(km, 'f', 0).toStdString();
}

std::optional<QPageSize> pageOf(const std::string& text)
{
    const QString name = QString::fromStdString(text).toUpper();
    if (name == QLatin1String("A4"))
        return QPageSize(QPageSize::A4);
    if (name == QLatin1String("A3"))
        return QPageSize(QPageSize::A3);
    if (name == QLatin1String("LETTER"))
        return QPageSize(QPageSize::Letter);
    report("--page «", text, "»: ожидается A4, A3 или LETTER");
    return std::nullopt;
}

// "2026-06-21T12:00Z": an instant in UTC, or one with its offset.
std::optional<double> instantOf(const std::string& text)
{
    const QDateTime time = QDateTime::fromString(QString::fromStdString(text), Qt::ISODate);
    if (time.isValid() && time.timeSpec() != Qt::LocalTime)
        return double(time.toSecsSinceEpoch());
    report("--time «", text, "»: ожидается время UTC по ISO 8601, например 2026-06-21T12:00Z");
    return std::nullopt;
}

// The picture's format, by the output's extension; a device or a pipe has
// none to tell, and gets a PNG.
std::optional<map::MapFormat> formatOf(const std::string& output, const OutputFile& out)
{
    const std::optional<map::MapFormat> format = map::mapFormatOf(QString::fromStdString(output));
    if (!format && out.isStream())
        return map::MapFormat::Png;
    if (!format)
        report("-o «", output, "»: формат карты — по расширению: .png, .svg или .pdf");
    return format;
}

// The centre and the stations --to names into the scene. A station at the
// centre lies in no direction from it: said as for a pair, with kBadInput
// in `status`, and the map drawn without it. False when a station could not
// be read.
bool addStations(const MapOptions& asked, dxcc::CountrySource& countries, map::MapScene& scene, ExitStatus& status)
{
    const std::optional<map::MapStation> centre = station(asked.centre, "--map", countries);
    if (!centre)
        return false;
    scene.own = *centre;
    for (const std::string& text : asked.to) {
        const std::optional<map::MapStation> correspondent = station(text, "--to", countries);
        if (!correspondent)
            return false;
        if (!geodesy::pairFigures(centre->position, correspondent->position, false).shortPath.distanceKm) {
            report("--to «", text, "»: ", geodesy::CoincidentPointsMessage);
            status = kBadInput;
            continue;
        }
        scene.correspondents.push_back(*correspondent);
    }
    return true;
}

// A PNG's side: below 100 pixels nothing on the map can be read, and
// 20000 already take 1.6 GB to paint.
constexpr int SmallestSide = 100;
constexpr int LargestSide = 20000;

// The PNG's side and the PDF's page; both are read, and told, before either
// is refused.
std::optional<map::MapFileOptions> fileOptionsOf(const MapOptions& asked)
{
    map::MapFileOptions file;
    const std::optional<double> side = asked.size
        ? number(*asked.size, SmallestSide, LargestSide, "--size",
                 "ожидается число пикселей от " + std::to_string(SmallestSide) + " до " + std::to_string(LargestSide))
        : std::optional<double>(file.sizePixels);
    const std::optional<QPageSize> page = pageOf(asked.page);
    if (!side || !page)
        return std::nullopt;
    file.sizePixels = int(*side);
    file.page = *page;
    return file;
}

// The whole Earth when none is asked for.
std::optional<double> radiusOf(const std::string& text)
{
    if (text.empty())
        return map::RimKm;
    return number(text, map::NearestRadiusKm, map::RimKm, "--radius",
                  "ожидается радиус в км от " + wholeKm(map::NearestRadiusKm) + " до " + wholeKm(map::RimKm));
}

// The log's QSOs, "-" for standard input, at their call's country too when
// the countries are given.
std::optional<map::LogPoints> logOf(const std::string& name, const dxcc::CountryFile* countries)
{
    const InputFile file = openInput(name);
    if (!file) {
        report("не удалось открыть «", name, "»: ", systemError());
        return std::nullopt;
    }
    auto read = map::readLogPoints(
        [&file](char* buffer, std::size_t size) { return std::fread(buffer, 1, size, file.get()); }, countries,
        map::QsoWords::Left);
    if (const auto* wrong = std::get_if<std::string>(&read)) {
        report(name, ": ", *wrong);
        return std::nullopt;
    }
    return std::move(std::get<map::LogPoints>(read));
}

} // namespace

ExitStatus drawMap(const Options& options, dxcc::CountrySource& countries, OutputFile& out)
{
    const MapOptions& asked = options.map;
    const std::optional<map::MapFormat> format = formatOf(options.output, out);
    if (!format)
        return kMisuse;
    map::MapScene scene;
    ExitStatus status = kSuccess;
    if (!addStations(asked, countries, scene, status))
        return kMisuse;
    const std::optional<map::MapFileOptions> file = fileOptionsOf(asked);
    if (!file)
        return kMisuse;
    const std::optional<double> radius = radiusOf(asked.radiusKm);
    if (!radius)
        return kMisuse;
    scene.radiusKm = *radius;
    if (!asked.time.empty()) {
        scene.nightAt = instantOf(asked.time);
        if (!scene.nightAt)
            return kMisuse;
    }
    scene.title = map::mapTitle(scene.own, scene.nightAt);
    scene.showPrefixes = scene.radiusKm >= map::RimKm;
    // The world is projected while the country file and the log are read,
    // each on a core of its own where there are two.
    std::optional<map::MapRenderer> renderer;
    std::optional<map::LogPoints> log;
    threads::bothAtOnce([&] { renderer.emplace(scene.own.position); },
                        [&] {
                            // The countries' prefixes on the whole Earth, and a log's QSOs at
                            // their call's country, when a country file is to be had; without
                            // one the map is drawn all the same.
                            if (scene.showPrefixes || !options.log.empty())
                                scene.countries = countries.file();
                            if (!options.log.empty())
                                log = logOf(options.log, scene.countries);
                        });
    if (!options.log.empty()) {
        if (!log)
            return kMisuse;
        scene.log = &*log;
    }
    const std::variant<QByteArray, map::MapFileFailure> made = map::mapFile(*renderer, scene, *format, *file);
    if (const auto* failure = std::get_if<map::MapFileFailure>(&made)) {
        if (*failure == map::MapFileFailure::NoSvgWriter) {
            report("запись SVG недоступна: программа установлена не полностью");
        } else {
            const std::string side = std::to_string(file->sizePixels);
            report("не хватает памяти на картинку ", side + " × " + side, " пикселей; задайте --size меньше");
        }
        return kMisuse;
    }
    const QByteArray& bytes = std::get<QByteArray>(made);
    out.write({bytes.constData(), std::size_t(bytes.size())});
    return status;
}
