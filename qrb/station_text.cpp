#include "qrb/station_text.h"

#include "dxcc/entity_texts.h"
#include "dxcc/messages.h"
#include "geodesy/messages.h"
#include "geodesy/station.h"
#include "qrb/country_source.h"

namespace {

// Letters and digits as a locator of up to ten characters has them,
// "KO85TS12AB", however far the word goes: "KO85T" is a locator typed
// short, "KO8XTS" and "UA1ABC" are calls.
bool shapedAsLocator(std::string_view text)
{
    constexpr std::string_view Shape = "LLDDLLDDLL";
    const std::string read = geodesy::locatorLetters(text);
    if (read.size() < 2 || read.size() > Shape.size())
        return false;
    for (std::size_t i = 0; i < read.size(); ++i) {
        const char c = read[i];
        const bool letter = c >= 'A' && c <= 'Z';
        const bool digit = c >= '0' && c <= '9';
        if (Shape[i] == 'L' ? !letter : !digit)
            return false;
    }
    return true;
}

} // namespace

std::variant<Station, StationFailure> readStationText(std::string_view text, CountrySource& countries)
{
    const auto read = geodesy::readStation(text);
    if (const auto* position = std::get_if<geodesy::Position>(&read))
        return Station{*position, std::nullopt};
    if (text.find(',') != std::string_view::npos || shapedAsLocator(text))
        return StationFailure{std::string(geodesy::message(std::get<geodesy::StationFailure>(read))), kBadInput};
    const dxcc::CountryFile* file = countries.file();
    if (!file)
        return StationFailure{countries.failure(), kMisuse};
    auto found = dxcc::findEntity(*file, text);
    if (const auto* failure = std::get_if<dxcc::CallFailure>(&found)) {
        if (*failure == dxcc::CallFailure::Maritime)
            return StationFailure{std::string(dxcc::message(*failure)), kBadInput};
        return StationFailure{"не локатор, не координаты и не позывной — " + std::string(dxcc::message(*failure)),
                              kBadInput};
    }
    auto& match = std::get<dxcc::CallMatch>(found);
    const geodesy::Position position = match.values.position;
    return Station{position, std::move(match)};
}

std::string stationMessage(std::string_view name, std::string_view text, const StationFailure& failure)
{
    if (failure.status == kMisuse)
        return failure.words;
    return std::string(name) + " «" + std::string(text) + "»: " + failure.words;
}

std::string callLine(const dxcc::CallMatch& call, const dxcc::CountryFile& file)
{
    return call.call + " — " + dxcc::entityLine(*call.entity, call.values) + ", " + dxcc::versionText(file);
}
