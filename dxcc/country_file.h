#pragma once

#include "geodesy/position.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace dxcc {

// What the country file tells of a place: an entity's own values, or an
// alias's where it overrides some of them. Signs are the program's: east
// longitude and a UTC offset east of Greenwich positive (the file writes
// both the other way round).
struct Values {
    int cqZone = 0;
    int ituZone = 0;
    char continent[3] = {};  // AF, AN, AS, EU, NA, OC or SA
    geodesy::Position position{};
    double utcOffsetHours = 0;
};

struct Entity {
    std::string name;    // as the file spells it
    std::string prefix;  // its primary prefix; some are labels no call has
    bool waeOnly = false;  // counts for the WAE list only ('*' in the file)
    Values values;
};

// One prefix, or one whole call, that leads to an entity.
struct Alias {
    std::uint16_t entity;  // index into entities()
    Values values;         // the entity's, with the alias's overrides
};

// Why a country file was refused, and on which line (from 1).
enum class FormatFailure {
    RecordFields,        // a record line without its eight fields
    BadZone,             // a CQ zone not 1..40, an ITU zone not 1..90
    BadContinent,
    BadLatitude,
    BadLongitude,
    BadUtcOffset,
    AliasesWithoutRecord,  // an indented line before the first record
    UnendedAliases,      // a record whose aliases never end with ';'
    BadAlias,            // an empty alias, a character no call has, an override that does not close
    NoRecords,
    TooManyRecords,
};

struct ReadFailure {
    FormatFailure kind;
    std::uint64_t line;
};

// The country file in the "Big CTY" format (cty.dat), read whole: the file
// is refused at its first fault, so that no answer ever comes from half a
// file.
class CountryFile {
public:
    static std::variant<CountryFile, ReadFailure> read(std::string_view text);

    const std::vector<Entity>& entities() const { return entities_; }
    // The date the file hides in a pseudo-call such as "=VER20230502",
    // "20230502"; empty when it has none.
    const std::string& version() const { return version_; }
    std::size_t aliasCount() const { return prefixes_.size() + exactCalls_.size(); }

    // The alias "=CALL" for exactly this call, upper case.
    const Alias* exactCall(std::string_view call) const;
    // The longest prefix alias that begins `call`.
    const Alias* longestPrefix(std::string_view call) const;

private:
    std::vector<Entity> entities_;
    std::string version_;
    std::unordered_map<std::string, Alias> prefixes_;
    std::unordered_map<std::string, Alias> exactCalls_;
    std::size_t longestPrefixLength_ = 0;

    friend class CountryFileReader;
};

} // namespace dxcc
