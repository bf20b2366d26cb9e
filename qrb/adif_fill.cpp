#include "qrb/adif_fill.h"

#include "adif/qso_position.h"
#include "adif/reader.h"
#include "adif/signal_path.h"
#include "adif/writer.h"
#include "dxcc/call_rules.h"
#include "dxcc/entity_names.h"
#include "dxcc/messages.h"
#include "geodesy/figure_texts.h"
#include "geodesy/messages.h"
#include "geodesy/plural.h"
#include "qrb/output_file.h"
#include "qrb/system_error.h"

#include <algorithm>
#include <sys/stat.h>
#include <cstdint>
#include <variant>
#include <vector>

namespace {

// The values to give a QSO, or what is wrong with the record; nothing when
// the record names no correspondent's position.
using QsoValues = std::variant<std::monostate, geodesy::LogValues, std::string>;
QsoValues valuesFor(const adif::Section& record, const AdifFill& fill)
{
    const adif::QsoPosition kor = adif::qsoPosition(record, adif::Correspondent);
    if (std::holds_alternative<std::monostate>(kor))
        return std::monostate();
    if (const auto* wrong = std::get_if<std::string>(&kor))
        return *wrong;
    adif::QsoPosition own = adif::qsoPosition(record, adif::OwnStation);
    if (const auto* wrong = std::get_if<std::string>(&own))
        return *wrong;
    if (std::holds_alternative<std::monostate>(own)) {
        if (!fill.my)
            return std::string("нет своих координат: ни MY_GRIDSQUARE, ни MY_LAT/MY_LON, ни --my");
        own = *fill.my;
    }
    const geodesy::Position& from = std::get<geodesy::Position>(own);
    const geodesy::Position& to = std::get<geodesy::Position>(kor);
    // A rover or a portable station logs its own square: on the sphere its
    // rounding may still leave a distance of 0 km, but no direction.
    const bool samePlace = from.latitude == to.latitude && from.longitude == to.longitude;
    // The path decides the distance; where the antenna pointed, the bearing.
    const adif::SignalPath path = adif::signalPath(record);
    return geodesy::logValues(geodesy::pairFigures(from, to, fill.ellipsoid), samePlace,
                              path == adif::SignalPath::Long ? geodesy::LogPath::Long : geodesy::LogPath::Short,
                              path != adif::SignalPath::Other && adif::antennaAlongPath(record));
}

// A number as a log writes it, blanks and leading zeros left out: "054" is 54.
std::string_view numberText(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '0'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

// What a QSO's call tells of its country, as ADIF writes it: the entity's
// number and name where the program knows them, its zones and continent.
struct CountryValues {
    std::string dxcc;
    std::string_view country;
    std::string cqZone;
    std::string ituZone;
    std::string continent;

    explicit CountryValues(const dxcc::CallMatch& match)
        : cqZone(std::to_string(match.values.cqZone))
        , ituZone(std::to_string(match.values.ituZone))
        , continent(match.values.continent)
    {
        if (const dxcc::EntityName* name = dxcc::entityName(match.entity->prefix)) {
            dxcc = std::to_string(name->dxcc);
            country = name->adif;
        }
    }
};

// "1 запись", "3 записи", "11 записей", "21 запись".
std::string records(std::uint64_t count)
{
    return std::to_string(count) + geodesy::plural(count, " запись", " записи", " записей");
}

// What was wrong with the records, each kind told once, after the log has
// been read: a log without its own station would otherwise say so for every
// QSO.
class Problems {
public:
    void add(std::string words, std::string where)
    {
        auto kind = std::find_if(kinds_.begin(), kinds_.end(), [&words](const Kind& k) { return k.words == words; });
        if (kind == kinds_.end())
            kind = kinds_.insert(kinds_.end(), Kind{std::move(words), 0, {}});
        if (kind->first.size() < ShownRecords)
            kind->first.push_back(std::move(where));
        ++kind->count;
    }

    bool any() const { return !kinds_.empty(); }

    // "log.adi: GRIDSQUARE: … — 7 записей: 2, 3, 5, 8, 13 и ещё 2"; a call
    // without a country is named by its call.
    void report(const std::string& logName) const
    {
        for (const Kind& kind : kinds_) {
            std::string numbers;
            for (const std::string& where : kind.first)
                numbers += (numbers.empty() ? "" : ", ") + where;
            if (kind.count > kind.first.size())
                numbers += " и ещё " + std::to_string(kind.count - kind.first.size());
            ::report(logName, ": ", kind.words, " — " + records(kind.count) + ": " + numbers);
        }
    }

private:
    static constexpr std::size_t ShownRecords = 5;
    struct Kind {
        std::string words;
        std::uint64_t count;
        std::vector<std::string> first;  // record numbers, or calls
    };
    std::vector<Kind> kinds_;  // in the order first met
};

} // namespace

ExitStatus fillAdif(const AdifFill& fill, OutputFile& out)
{
    const dxcc::CountryFile* countries = fill.countries ? fill.countries->file() : nullptr;
    if (fill.countries && !countries) {
        report(fill.countries->failure());
        return kMisuse;
    }
    // The reason of a failed read, kept before anything else can change errno.
    int readError = 0;
    const auto read = [&fill, &readError](char* buffer, std::size_t size) {
        const std::size_t got = std::fread(buffer, 1, size, fill.log);
        if (got < size && std::ferror(fill.log) && !readError)
            readError = errno;
        return got;
    };
    struct stat input {};
    const bool sized = fstat(fileno(fill.log), &input) == 0 && S_ISREG(input.st_mode);
    adif::Reader reader(read, sized ? std::optional<std::uint64_t>(input.st_size) : std::nullopt);
    Problems problems;
    std::uint64_t record = 0;
    adif::Reader::Step step;
    while ((step = reader.next()) == adif::Reader::Step::Section) {
        const adif::Section& section = reader.section();
        if (section.kind != adif::SectionKind::Record) {
            out.buffer().append(section.text);
            out.written();
            continue;
        }
        ++record;
        std::vector<adif::FieldValue> fields;
        const QsoValues values = fill.distance ? valuesFor(section, fill) : QsoValues();
        if (const auto* given = std::get_if<geodesy::LogValues>(&values)) {
            fields.push_back({"DISTANCE", given->distance.view()});
            if (given->antennaAzimuth)
                fields.push_back({"ANT_AZ", given->antennaAzimuth->view()});
        } else if (const auto* wrong = std::get_if<std::string>(&values)) {
            problems.add(*wrong, std::to_string(record));
        }
        std::optional<CountryValues> country;
        const adif::Field* call = countries ? section.find("CALL") : nullptr;
        if (call) {
            const auto found = dxcc::findEntity(*countries, call->data);
            const adif::Field* own = section.find("DXCC");
            if (const auto* match = std::get_if<dxcc::CallMatch>(&found)) {
                const CountryValues& c = country.emplace(*match);
                // A record keeps its own DXCC; the call's country goes in
                // beside it only when the two agree, never half of each.
                if (own && !fill.overwrite && numberText(own->data) != c.dxcc) {
                    problems.add("DXCC записи не тот, что у страны позывного (" + std::string(c.country) + ")",
                                 std::string(call->data));
                } else {
                    if (!c.dxcc.empty())
                        fields.insert(fields.end(), {{"DXCC", c.dxcc}, {"COUNTRY", c.country}});
                    fields.insert(fields.end(), {{"CQZ", c.cqZone}, {"ITUZ", c.ituZone}, {"CONT", c.continent}});
                }
            } else {
                const std::string_view letter = geodesy::ambiguousLetter(call->data);
                problems.add("CALL: " + (letter.empty() ? std::string(dxcc::message(std::get<dxcc::CallFailure>(found)))
                                                        : geodesy::ambiguousLetterMessage(letter)),
                             std::string(call->data));
            }
        }
        if (fields.empty())
            out.buffer().append(section.text);
        else
            adif::appendSection(section, fields.data(), fields.size(), fill.overwrite, out.buffer());
        out.written();
    }
    problems.report(fill.name);
    if (std::ferror(fill.log)) {
        report("не удалось прочитать «", fill.name, "»: ", systemError(readError));
        return kMisuse;
    }
    if (step == adif::Reader::Step::Error) {
        report(fill.name, ": ", adif::message(reader.error()));
        return kMisuse;
    }
    return problems.any() ? kBadInput : kSuccess;
}
