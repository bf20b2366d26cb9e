#include "dxcc/station_text.h"

#include "dxcc/entity_texts.h"
#include "dxcc/messages.h"
#include "geodesy/messages.h"
#include "geodesy/station.h"
#include "dxcc/country_source.h"

namespace dxcc {

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

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// What a word that is none of the three is told.
constexpr std::string_view NeitherMessage = "не локатор, не координаты и не позывной";

} // namespace

std::variant<Station, StationFailure> readStationText(std::string_view text, CountrySource& countries)
{
    const auto read = geodesy::readStation(text);
    if (const auto* position = std::get_if<geodesy::Position>(&read))
        return Station{*position, std::nullopt};
    // «С» is C or S: neither a locator nor a call is guessed at.
    if (const std::string_view letter = geodesy::ambiguousLetter(text); !letter.empty())
        return StationFailure{geodesy::ambiguousLetterMessage(letter)};
    if (text.find(',') != std::string_view::npos || shapedAsLocator(text))
        return StationFailure{std::string(geodesy::message(std::get<geodesy::StationFailure>(read)))};
    const CountryFile* file = countries.file();
    if (!file)
        return StationFailure{countries.failure(), true};
    auto found = findEntity(*file, text);
    if (const auto* failure = std::get_if<CallFailure>(&found))
        return StationFailure{*failure == CallFailure::NotCallsign ? std::string(NeitherMessage)
                                                                   : std::string(message(*failure))};
    auto& match = std::get<CallMatch>(found);
    const geodesy::Position position = match.values.position;
    return Station{position, std::move(match)};
}

std::string stationLabel(std::string_view text, const Station& station)
{
    if (station.call)
        return station.call->call;
    const std::string_view given = trimmed(text);
    return given.find(',') != std::string_view::npos ? std::string(given) : geodesy::locatorLetters(given);
}

std::string stationMessage(std::string_view name, std::string_view text, const StationFailure& failure)
{
    if (failure.countryFile)
        return failure.words;
    return std::string(name) + " «" + std::string(text) + "»: " + failure.words;
}

std::string callLine(const CallMatch& call, const CountryFile& file)
{
    return call.call + " — " + entityLine(*call.entity, call.values) + ", " + versionText(file);
}

} // namespace dxcc
