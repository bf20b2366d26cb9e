#include "adif/qso_position.h"

#include "adif/location.h"
#include "geodesy/messages.h"
#include "geodesy/station.h"

namespace adif {
namespace {

std::string_view trimmed(std::string_view data)
{
    const auto first = data.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return data.substr(first, data.find_last_not_of(" \t\r\n") - first + 1);
}

std::string_view dataOf(const Section& record, std::string_view name)
{
    const Field* field = record.find(name);
    return field ? trimmed(field->data) : std::string_view();
}

} // namespace

QsoPosition qsoPosition(const Section& record, const StationFields& fields)
{
    if (std::string locator(dataOf(record, fields.grid)); !locator.empty()) {
        // The extension holds characters 9 and 10 of a ten-character locator.
        if (locator.size() == 8)
            locator.append(dataOf(record, fields.gridExtension).substr(0, 2));
        const auto position = geodesy::readLocator(locator);
        if (const auto* failure = std::get_if<geodesy::StationFailure>(&position)) {
            const std::string_view letter = geodesy::ambiguousLetter(locator);
            return std::string(fields.grid) + ": "
                 + (letter.empty() ? std::string(geodesy::message(*failure)) : geodesy::ambiguousLetterMessage(letter));
        }
        return std::get<geodesy::Position>(position);
    }
    const std::string_view latitude = dataOf(record, fields.latitude);
    const std::string_view longitude = dataOf(record, fields.longitude);
    if (latitude.empty() && longitude.empty())
        return std::monostate();
    const auto lat = readLocation(latitude, Axis::Latitude);
    const auto lon = readLocation(longitude, Axis::Longitude);
    if (!lat || !lon)
        return std::string(fields.latitude) + "/" + std::string(fields.longitude)
            + ": ожидаются координаты ADIF вида N055 46.250 и E037 37.500";
    return geodesy::Position{*lat, *lon};
}

} // namespace adif
