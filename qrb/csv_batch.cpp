#include "qrb/csv_batch.h"

#include "dxcc/entity_texts.h"
#include "geodesy/figure_texts.h"
#include "qrb/figures.h"
#include "qrb/line_reader.h"
#include "qrb/output_file.h"
#include "qrb/system_error.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The blank-separated words of a line, as many as fit.
template <std::size_t N>
std::size_t splitWords(std::string_view line, std::array<std::string_view, N>& words)
{
    std::size_t count = 0;
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i == line.size())
            return count;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (count == N)
            return count + 1;
        words[count++] = line.substr(start, i - start);
    }
}

// The line without its end, where more columns follow.
std::string_view withoutEnd(std::string_view line)
{
    return line.substr(0, line.size() - 1);
}

std::string_view entityName(const dxcc::Station& station)
{
    return station.call ? dxcc::shownName(*station.call->entity) : std::string_view();
}

void appendRow(std::string& out, std::string_view own, std::string_view kor, const PairResult& pair, bool entities)
{
    geodesy::appendCsvField(out, own);
    out.push_back(',');
    geodesy::appendCsvField(out, kor);
    const auto columns = geodesy::csvColumns(pair.figures);
    if (!entities) {
        out.append(columns.view());
        return;
    }
    out.append(withoutEnd(columns.view())).push_back(',');
    geodesy::appendCsvField(out, entityName(pair.own));
    out.push_back(',');
    geodesy::appendCsvField(out, entityName(pair.kor));
    out.push_back('\n');
}

void reportLine(const std::string& inputName, std::uint64_t number, std::string_view text)
{
    report(inputName, ":" + std::to_string(number) + ": ", text);
}

} // namespace

ExitStatus writeCsv(const std::vector<NamedInput>& inputs, bool ellipsoid, bool entities, dxcc::CountrySource& countries,
                    OutputFile& out)
{
    out.buffer().append("own,correspondent");
    if (entities)
        out.buffer().append(withoutEnd(geodesy::csvColumnNames(ellipsoid))).append(",own_entity,correspondent_entity\n");
    else
        out.buffer().append(geodesy::csvColumnNames(ellipsoid));
    ExitStatus status = kSuccess;
    for (const NamedInput& input : inputs) {
        LineReader lines(input.file);
        std::string_view line;
        std::array<std::string_view, 2> words;
        LineReader::Line kind;
        for (std::uint64_t number = 1; (kind = lines.next(line)) != LineReader::Line::End; ++number) {
            // Blank lines and comments are passed over, however long.
            const std::size_t count = splitWords(line, words);
            if (count == 0 || words[0].front() == '#')
                continue;
            if (kind == LineReader::Line::TooLong) {
                reportLine(input.name, number,
                           "строка длиннее " + std::to_string(LineReader::LongestLine)
                               + " байт, а пара положений занимает десятки");
                status = kBadInput;
                continue;
            }
            if (count != 2) {
                reportLine(input.name, number, "ожидается пара «СВОЙ КОРРЕСПОНДЕНТ» через пробел");
                status = kBadInput;
                continue;
            }
            const auto pair = figuresFor(words[0], words[1], ellipsoid, countries);
            if (const auto* failure = std::get_if<PairFailure>(&pair)) {
                if (failure->status == kMisuse) {
                    report(failure->words);
                    return kMisuse;
                }
                reportLine(input.name, number, failure->words);
                status = kBadInput;
                continue;
            }
            appendRow(out.buffer(), words[0], words[1], std::get<PairResult>(pair), entities);
            out.written();
        }
        if (std::ferror(input.file)) {
            report("не удалось прочитать «", input.name, "»: ", systemError(lines.error()));
            return kMisuse;
        }
    }
    return status;
}
