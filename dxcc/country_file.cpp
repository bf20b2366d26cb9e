// The reader of the country file. A record line names an entity in eight
// fields, each ended by ':'; indented lines below it list its aliases,
// separated by ',' and ended by ';'.

#include "dxcc/country_file.h"

#include <charconv>
#include <limits>

namespace dxcc {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Numbers are read the same in every locale: the file writes "41.90".
bool readNumber(std::string_view text, double& value)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool readWhole(std::string_view text, int low, int high, int& value)
{
    text = trimmed(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty() && value >= low
        && value <= high;
}

bool readContinent(std::string_view text, char (&continent)[3])
{
    text = trimmed(text);
    static constexpr std::string_view Continents[] = {"AF", "AN", "AS", "EU", "NA", "OC", "SA"};
    for (const std::string_view known : Continents)
        if (text == known) {
            continent[0] = text[0];
            continent[1] = text[1];
            return true;
        }
    return false;
}

bool readLatitude(std::string_view text, double& latitude)
{
    return readNumber(text, latitude) && latitude >= -90 && latitude <= 90;
}

// The file counts longitude west, and so its UTC offsets too.
bool readLongitudeWest(std::string_view text, double& longitude)
{
    double west = 0;
    if (!readNumber(text, west) || west < -180 || west > 180)
        return false;
    longitude = west == 0 ? 0 : -west;
    return true;
}

bool readUtcOffsetWest(std::string_view text, double& offset)
{
    double west = 0;
    if (!readNumber(text, west) || west < -14 || west > 14)
        return false;
    offset = west == 0 ? 0 : -west;
    return true;
}

bool isCallCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/'; }

} // namespace

// Builds the file's tables line by line; what it holds becomes the
// CountryFile only when the whole text has been read without a fault.
class CountryFileReader {
public:
    std::variant<CountryFile, ReadFailure> read(std::string_view text)
    {
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            ++lineNumber_;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (trimmed(line).empty())
                continue;
            const bool ok = isBlank(line.front()) ? aliasLine(line) : recordLine(line);
            if (!ok)
                return ReadFailure{failure_, lineNumber_};
        }
        if (inAliases_)
            return ReadFailure{FormatFailure::UnendedAliases, recordLine_};
        if (file_.entities_.empty())
            return ReadFailure{FormatFailure::NoRecords, lineNumber_};
        return std::move(file_);
    }

private:
    bool fail(FormatFailure kind)
    {
        failure_ = kind;
        return false;
    }

    bool recordLine(std::string_view line)
    {
        if (inAliases_) {
            lineNumber_ = recordLine_;
            return fail(FormatFailure::UnendedAliases);
        }
        std::string_view fields[8];
        for (std::string_view& field : fields) {
            const std::size_t colon = line.find(':');
            if (colon == std::string_view::npos)
                return fail(FormatFailure::RecordFields);
            field = trimmed(line.substr(0, colon));
            line.remove_prefix(colon + 1);
        }
        if (!trimmed(line).empty() || fields[0].empty() || fields[7].empty())
            return fail(FormatFailure::RecordFields);
        if (file_.entities_.size() > std::numeric_limits<std::uint16_t>::max())
            return fail(FormatFailure::TooManyRecords);

        Entity entity;
        entity.name = std::string(fields[0]);
        if (!readWhole(fields[1], 1, 40, entity.values.cqZone) || !readWhole(fields[2], 1, 90, entity.values.ituZone))
            return fail(FormatFailure::BadZone);
        if (!readContinent(fields[3], entity.values.continent))
            return fail(FormatFailure::BadContinent);
        if (!readLatitude(fields[4], entity.values.position.latitude))
            return fail(FormatFailure::BadLatitude);
        if (!readLongitudeWest(fields[5], entity.values.position.longitude))
            return fail(FormatFailure::BadLongitude);
        if (!readUtcOffsetWest(fields[6], entity.values.utcOffsetHours))
            return fail(FormatFailure::BadUtcOffset);
        std::string_view prefix = fields[7];
        entity.waeOnly = prefix.front() == '*';
        if (entity.waeOnly)
            prefix.remove_prefix(1);
        entity.prefix = std::string(prefix);
        file_.entities_.push_back(std::move(entity));
        inAliases_ = true;
        recordLine_ = lineNumber_;
        return true;
    }

    bool aliasLine(std::string_view line)
    {
        if (!inAliases_)
            return fail(FormatFailure::AliasesWithoutRecord);
        line = trimmed(line);
        while (!line.empty()) {
            const std::size_t end = line.find_first_of(",;");
            if (!alias(trimmed(line.substr(0, end))))
                return fail(FormatFailure::BadAlias);
            if (end == std::string_view::npos)
                return true;
            if (line[end] == ';') {
                inAliases_ = false;
                return trimmed(line.substr(end + 1)).empty() || fail(FormatFailure::BadAlias);
            }
            line.remove_prefix(end + 1);
            // An alias line ends with ',' when the list goes on below.
            line = trimmed(line);
        }
        return true;
    }

    // "=CALL" or "PREFIX", then any of (CQ) [ITU] <lat/lon> {continent}
    // ~offset~.
    bool alias(std::string_view text)
    {
        const bool exact = !text.empty() && text.front() == '=';
        if (exact)
            text.remove_prefix(1);
        std::size_t length = 0;
        while (length < text.size() && isCallCharacter(text[length]))
            ++length;
        const std::string_view call = text.substr(0, length);
        if (call.empty())
            return false;
        Alias alias{std::uint16_t(file_.entities_.size() - 1), file_.entities_.back().values};
        for (text.remove_prefix(length); !text.empty();) {
            const char open = text.front();
            const char close = open == '(' ? ')' : open == '[' ? ']' : open == '<' ? '>' : open == '{' ? '}'
                             : open == '~'                      ? '~'
                                                                : '\0';
            const std::size_t end = close ? text.find(close, 1) : std::string_view::npos;
            if (end == std::string_view::npos)
                return false;
            if (!override(open, text.substr(1, end - 1), alias.values))
                return false;
            text.remove_prefix(end + 1);
        }
        if (exact && call.size() == 11 && call.substr(0, 3) == "VER")
            file_.version_ = std::string(call.substr(3));
        if (!exact)
            file_.longestPrefixLength_ = std::max(file_.longestPrefixLength_, call.size());
        add(exact ? file_.exactCalls_ : file_.prefixes_, call, alias);
        return true;
    }

    // A call listed under a WAE-only entity and again under its DXCC entity
    // (Shetland and Scotland) is the WAE one's: its place is the nearer.
    void add(std::unordered_map<std::string, Alias>& aliases, std::string_view call, const Alias& alias)
    {
        const auto [at, added] = aliases.try_emplace(std::string(call), alias);
        if (!added && file_.entities_[alias.entity].waeOnly)
            at->second = alias;
    }

    static bool override(char kind, std::string_view value, Values& values)
    {
        switch (kind) {
        case '(':
            return readWhole(value, 1, 40, values.cqZone);
        case '[':
            return readWhole(value, 1, 90, values.ituZone);
        case '{':
            return readContinent(value, values.continent);
        case '~':
            return readUtcOffsetWest(value, values.utcOffsetHours);
        default: {
            const std::size_t slash = value.find('/');
            return slash != std::string_view::npos && readLatitude(value.substr(0, slash), values.position.latitude)
                && readLongitudeWest(value.substr(slash + 1), values.position.longitude);
        }
        }
    }

    CountryFile file_;
    std::uint64_t lineNumber_ = 0;
    std::uint64_t recordLine_ = 0;  // of the record whose aliases are being read
    bool inAliases_ = false;
    FormatFailure failure_ = FormatFailure::RecordFields;
};

std::variant<CountryFile, ReadFailure> CountryFile::read(std::string_view text)
{
    return CountryFileReader().read(text);
}

const Alias* CountryFile::exactCall(std::string_view call) const
{
    const auto found = exactCalls_.find(std::string(call));
    return found == exactCalls_.end() ? nullptr : &found->second;
}

const Alias* CountryFile::longestPrefix(std::string_view call) const
{
    for (std::size_t length = std::min(call.size(), longestPrefixLength_); length > 0; --length) {
        const auto found = prefixes_.find(std::string(call.substr(0, length)));
        if (found != prefixes_.end())
            return &found->second;
    }
    return nullptr;
}

} // namespace dxcc
