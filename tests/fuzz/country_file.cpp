// The country file's reader, and the call rules over what it read, on any
// bytes.

#include "invariant.h"

#include "dxcc/call_rules.h"
#include "dxcc/country_file.h"

#include <string>
#include <variant>

namespace {

void requireSane(const dxcc::Values& values)
{
    FUZZ_REQUIRE(values.cqZone >= 1 && values.cqZone <= 40);
    FUZZ_REQUIRE(values.ituZone >= 1 && values.ituZone <= 90);
    FUZZ_REQUIRE(std::string_view(values.continent).size() == 2);
    FUZZ_REQUIRE(values.position.latitude >= -90 && values.position.latitude <= 90);
    FUZZ_REQUIRE(values.position.longitude >= -180 && values.position.longitude <= 180);
    FUZZ_REQUIRE(values.utcOffsetHours >= -14 && values.utcOffsetHours <= 14);
}

} // namespace

FUZZ_TARGET(text)
{
    const auto read = dxcc::CountryFile::read(text);
    if (const auto* failure = std::get_if<dxcc::ReadFailure>(&read)) {
        // A fault is reported on a line the text has; only an empty file
        // has none.
        FUZZ_REQUIRE(failure->line >= 1 || (failure->kind == dxcc::FormatFailure::NoRecords && text.empty()));
        return;
    }
    const dxcc::CountryFile& file = std::get<dxcc::CountryFile>(read);
    FUZZ_REQUIRE(!file.entities().empty());
    for (const dxcc::Entity& entity : file.entities()) {
        FUZZ_REQUIRE(!entity.name.empty() && !entity.prefix.empty());
        requireSane(entity.values);
    }
    // Every word of the text, and the text's lines, taken as a call: a match
    // names one of the file's entities with values in range.
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != ',' && text[i] != ';' && text[i] != '\n' && text[i] != ':')
            continue;
        const auto found = dxcc::findEntity(file, text.substr(start, i - start));
        if (const auto* match = std::get_if<dxcc::CallMatch>(&found)) {
            FUZZ_REQUIRE(match->entity >= file.entities().data()
                         && match->entity < file.entities().data() + file.entities().size());
            requireSane(match->values);
            for (const char c : match->call)
                FUZZ_REQUIRE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/');
        }
        start = i + 1;
    }
}
