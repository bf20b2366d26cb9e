#pragma once

#include "dxcc/call_rules.h"
#include "geodesy/position.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace dxcc {

class CountrySource;

// A station as the command and the map's search read it: its position,
// and, when it was a callsign, the entity that places it.
struct Station {
    geodesy::Position position;
    std::optional<CallMatch> call;
};

// Why a text gave no station, in the user's words after the station's own
// name; or the country file's fault, which no other text would mend.
struct StationFailure {
    std::string words;
    bool countryFile = false;
};

// A locator of any standard length, decimal degrees, or else a callsign at
// its entity's position (an alias's own where it has one). A word shaped as
// a locator, letters and digits in a locator's order, is a locator even
// when it is a wrong one, and gets the locator's message; a word with a
// comma gets the degrees'. The country file is asked only for the rest.
std::variant<Station, StationFailure> readStationText(std::string_view text, CountrySource& countries);

// The station read from `text` as it is labelled on the map: a locator as
// long as it was typed, in capitals; degrees as typed; the call. Apart from
// the reading, which a file of pairs does a million times without a label.
std::string stationLabel(std::string_view text, const Station& station);

// The failure as it is reported: after the station's name and text,
// "корреспондент «XYZ»: …", unless the country file is at fault, which
// speaks for itself.
std::string stationMessage(std::string_view name, std::string_view text, const StationFailure& failure);

// "JA1ABC — Япония (AS, CQ 25, ITU 45), файл стран от 02.05.2023": the
// line that tells where a callsign was placed, without its line end.
std::string callLine(const CallMatch& call, const CountryFile& file);

} // namespace dxcc
