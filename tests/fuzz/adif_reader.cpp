// The ADIF reader and writer on any bytes, read in small uneven pieces.

#include "invariant.h"

#include "adif/reader.h"
#include "adif/writer.h"

#include <algorithm>
#include <string>

namespace {

const adif::FieldValue kValues[] = {{"DISTANCE", "1611"}, {"ANT_AZ", "267"}};

// Reads `log` through; returns the sections' texts end to end and, in
// `rewritten`, the log with kValues set. False when the log is malformed.
bool readThrough(std::string_view log, std::string& texts, std::string& rewritten, bool overwrite)
{
    std::size_t at = 0;
    std::size_t piece = 0;
    adif::Reader reader([&](char* buffer, std::size_t size) {
        piece = piece % 17 + 1;
        const std::size_t n = std::min({size, piece, log.size() - at});
        std::copy_n(log.data() + at, n, buffer);
        at += n;
        return n;
    });
    adif::Reader::Step step;
    while ((step = reader.next()) == adif::Reader::Step::Section) {
        const adif::Section& section = reader.section();
        const std::string_view text = section.text;
        FUZZ_REQUIRE(section.endTag <= text.size());
        FUZZ_REQUIRE((section.kind == adif::SectionKind::Text) == (section.endTag == text.size()));
        FUZZ_REQUIRE(section.kind != adif::SectionKind::Text || section.fields.empty());
        std::size_t previous = 0;
        for (const adif::Field& field : section.fields) {
            FUZZ_REQUIRE(field.tagStart >= previous && text[field.tagStart] == '<');
            FUZZ_REQUIRE(field.lengthEnd < field.dataStart && field.dataEnd <= section.endTag);
            previous = field.dataEnd;
        }
        texts.append(text);
        const bool record = section.kind == adif::SectionKind::Record;
        adif::appendSection(section, kValues, record ? 2 : 0, overwrite, rewritten);
    }
    FUZZ_REQUIRE(step == adif::Reader::Step::End
                 || (reader.error().offset < log.size() && reader.error().record >= 1));
    return step == adif::Reader::Step::End;
}

} // namespace

FUZZ_TARGET(log)
{
    std::string texts, rewritten;
    const bool overwrite = log.size() % 2 == 1;
    if (!readThrough(log, texts, rewritten, overwrite))
        return;
    // Every byte comes back, in order.
    FUZZ_REQUIRE(texts == log);
    // A filled log reads again, and filling it once more changes nothing.
    std::string again, refilled;
    FUZZ_REQUIRE(readThrough(rewritten, again, refilled, overwrite));
    FUZZ_REQUIRE(refilled == rewritten);
}
