#include "qrb/adif_fill.h"

#include "adif/location.h"
#include "adif/reader.h"
#include "adif/writer.h"
#include "geodesy/messages.h"
#include "geodesy/station.h"
#include "qrb/figures.h"
#include "qrb/output_file.h"

#include <variant>

namespace {

// The fields that give one station's position.
struct StationFields {
    std::string_view grid;
    std::string_view gridExtension;
    std::string_view latitude;
    std::string_view longitude;
};
constexpr StationFields kCorrespondent{"GRIDSQUARE", "GRIDSQUARE_EXT", "LAT", "LON"};
constexpr StationFields kOwn{"MY_GRIDSQUARE", "MY_GRIDSQUARE_EXT", "MY_LAT", "MY_LON"};

std::string_view trimmed(std::string_view data)
{
    const auto first = data.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return data.substr(first, data.find_last_not_of(" \t\r\n") - first + 1);
}

std::string_view dataOf(const adif::Section& record, std::string_view name)
{
    const adif::Field* field = record.find(name);
    return field ? trimmed(field->data) : std::string_view();
}

// A station's position in a record; nothing when the record does not give
// it, or what is wrong with it.
using Lookup = std::variant<std::monostate, geodesy::Position, std::string>;

Lookup positionIn(const adif::Section& record, const StationFields& fields)
{
    if (std::string locator(dataOf(record, fields.grid)); !locator.empty()) {
        // The extension holds characters 9 and 10 of a ten-character locator.
        if (locator.size() == 8)
            locator.append(dataOf(record, fields.gridExtension).substr(0, 2));
        const auto position = geodesy::readLocator(locator);
        if (const auto* failure = std::get_if<geodesy::StationFailure>(&position))
            return std::string(fields.grid) + " «" + locator + "»: " + std::string(geodesy::message(*failure));
        return std::get<geodesy::Position>(position);
    }
    const std::string_view latitude = dataOf(record, fields.latitude);
    const std::string_view longitude = dataOf(record, fields.longitude);
    if (latitude.empty() && longitude.empty())
        return std::monostate();
    const auto lat = adif::readLocation(latitude, adif::Axis::Latitude);
    const auto lon = adif::readLocation(longitude, adif::Axis::Longitude);
    if (!lat || !lon)
        return std::string(fields.latitude) + "/" + std::string(fields.longitude) + " «" + std::string(latitude)
            + "» «" + std::string(longitude) + "»: ожидаются координаты ADIF вида N055 46.250 и E037 37.500";
    return geodesy::Position{*lat, *lon};
}

// The two values to give a QSO, or what is wrong with it; nothing when the
// record names no correspondent's position.
struct Values {
    geodesy::InlineText<32> distance;
    geodesy::InlineText<32> azimuth;
};

std::variant<std::monostate, Values, std::string> valuesFor(const adif::Section& record, const AdifFill& fill)
{
    const Lookup kor = positionIn(record, kCorrespondent);
    if (std::holds_alternative<std::monostate>(kor))
        return std::monostate();
    if (const auto* wrong = std::get_if<std::string>(&kor))
        return *wrong;
    Lookup own = positionIn(record, kOwn);
    if (const auto* wrong = std::get_if<std::string>(&own))
        return *wrong;
    if (std::holds_alternative<std::monostate>(own)) {
        if (!fill.my)
            return std::string("нет своих координат: ни MY_GRIDSQUARE, ни MY_LAT/MY_LON, ни --my");
        own = *fill.my;
    }
    const auto figures = figuresBetween(std::get<geodesy::Position>(own), std::get<geodesy::Position>(kor),
                                        fill.ellipsoid);
    if (!figures)
        return std::string(geodesy::kCoincidentPointsMessage);
    Values values;
    if (figures->wgs84) {
        values.distance.appendTenths(figures->wgs84->distanceKm);
        values.azimuth.appendNumber(geodesy::wholeDegrees(figures->wgs84->azimuth));
    } else {
        values.distance.appendNumber(static_cast<long long>(figures->distanceKm));
        values.azimuth.appendNumber(figures->azimuth);
    }
    return values;
}

} // namespace

ExitStatus fillAdif(const AdifFill& fill, OutputFile& out)
{
    adif::Reader reader([&fill](char* buffer, std::size_t size) { return std::fread(buffer, 1, size, fill.log); });
    ExitStatus status = kSuccess;
    unsigned long record = 0;
    adif::Reader::Step step;
    while ((step = reader.next()) == adif::Reader::Step::Section) {
        const adif::Section& section = reader.section();
        if (section.kind != adif::SectionKind::Record) {
            out.buffer().append(section.text);
            continue;
        }
        ++record;
        const auto values = valuesFor(section, fill);
        if (const auto* given = std::get_if<Values>(&values)) {
            const adif::FieldValue fields[] = {{"DISTANCE", given->distance.view()}, {"ANT_AZ", given->azimuth.view()}};
            adif::appendSection(section, fields, 2, fill.overwrite, out.buffer());
        } else {
            if (const auto* wrong = std::get_if<std::string>(&values)) {
                report(fill.name, ": запись " + std::to_string(record) + ": ", *wrong);
                status = kBadInput;
            }
            out.buffer().append(section.text);
        }
        out.written();
    }
    if (std::ferror(fill.log)) {
        report("не удалось прочитать «", fill.name, "»: ", systemError());
        return kMisuse;
    }
    if (step == adif::Reader::Step::Error) {
        const adif::ReadError& error = reader.error();
        report(fill.name, ": байт " + std::to_string(error.offset) + ", запись " + std::to_string(error.record) + ": ",
               adif::message(error.kind));
        return kMisuse;
    }
    return status;
}
