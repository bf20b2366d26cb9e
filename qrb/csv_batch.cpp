#include "qrb/csv_batch.h"

#include "dxcc/entity_texts.h"
#include "geodesy/figure_texts.h"
#include "threads/both_at_once.h"
#include "qrb/figures.h"
#include "qrb/line_reader.h"
#include "qrb/output_file.h"
#include "qrb/system_error.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <future>
#include <memory>
#include <optional>
#include <utility>

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

// A stretch of an input, some thousands of lines, whose pairs are worked out
// on a thread of its own while the next stretch is read: what each line
// gave, in the lines' order.
struct Stretch {
    static constexpr std::size_t Lines = 4096;

    // A pair, or a line refused as it was read (`refused` then says why).
    struct Line {
        std::uint64_t number;
        std::size_t ownEnd;  // the pair's words stand in `words`, one after the other
        std::size_t korEnd;
        std::string refused;
    };

    const std::string* inputName;
    std::string words;
    std::vector<Line> lines;

    // Worked out: the rows, the lines' messages, and where the country file
    // could not be had, why: nothing after that line counts.
    std::string rows;
    std::vector<std::pair<std::uint64_t, std::string>> messages;
    std::optional<std::string> misuse;
};

void workOut(Stretch& stretch, bool ellipsoid, bool entities, dxcc::CountrySource& countries)
{
    std::size_t start = 0;
    for (const Stretch::Line& line : stretch.lines) {
        if (!line.refused.empty()) {
            stretch.messages.emplace_back(line.number, line.refused);
            continue;
        }
        const std::string_view words(stretch.words);
        const std::string_view own = words.substr(start, line.ownEnd - start);
        const std::string_view kor = words.substr(line.ownEnd, line.korEnd - line.ownEnd);
        start = line.korEnd;
        const auto pair = figuresFor(own, kor, ellipsoid, countries);
        if (const auto* failure = std::get_if<PairFailure>(&pair)) {
            if (failure->status == kMisuse) {
                stretch.misuse = failure->words;
                return;
            }
            stretch.messages.emplace_back(line.number, failure->words);
            continue;
        }
        appendRow(stretch.rows, own, kor, std::get<PairResult>(pair), entities);
    }
}

// The stretches being worked out, in the input's order, two at a time: each
// core works one while this thread reads the next and writes out the
// oldest finished, so that memory stays flat however long the input.
class Pipeline {
public:
    Pipeline(bool ellipsoid, bool entities, dxcc::CountrySource& countries, OutputFile& out)
        : ellipsoid_(ellipsoid)
        , entities_(entities)
        , countries_(countries)
        , out_(out)
    {
    }

    // Starts the stretch, after writing out the oldest when two are under
    // way. False once a stretch found no country file.
    bool start(Stretch stretch)
    {
        if (stretch.lines.empty())
            return true;
        if (underWay_.size() == 2 && !writeOldest())
            return false;
        auto started = std::make_unique<Stretch>(std::move(stretch));
        Stretch* worked = started.get();  // kept until its work is waited for
        std::future<void> done
            = threads::startOrDo([this, worked] { workOut(*worked, ellipsoid_, entities_, countries_); });
        underWay_.push_back({std::move(started), std::move(done)});
        return true;
    }

    // Writes out every stretch under way. False as start().
    bool finish()
    {
        while (!underWay_.empty())
            if (!writeOldest())
                return false;
        return true;
    }

    ExitStatus status() const { return status_; }

private:
    bool writeOldest()
    {
        threads::waitFor(underWay_.front().done);
        const std::unique_ptr<Stretch> oldest = std::move(underWay_.front().stretch);
        underWay_.pop_front();
        const Stretch& stretch = *oldest;
        for (const auto& [number, words] : stretch.messages)
            reportLine(*stretch.inputName, number, words);
        if (!stretch.messages.empty())
            status_ = kBadInput;
        out_.buffer().append(stretch.rows);
        out_.written();
        if (stretch.misuse) {
            report(*stretch.misuse);
            status_ = kMisuse;
            return false;
        }
        return true;
    }

    bool ellipsoid_;
    bool entities_;
    dxcc::CountrySource& countries_;
    OutputFile& out_;
    struct UnderWay {
        std::unique_ptr<Stretch> stretch;
        std::future<void> done;  // nothing to wait for when it was worked out at once
    };
    std::deque<UnderWay> underWay_;
    ExitStatus status_ = kSuccess;
};

} // namespace

ExitStatus writeCsv(const std::vector<NamedInput>& inputs, bool ellipsoid, bool entities, dxcc::CountrySource& countries,
                    OutputFile& out)
{
    out.buffer().append("own,correspondent");
    if (entities)
        out.buffer().append(withoutEnd(geodesy::csvColumnNames(ellipsoid))).append(",own_entity,correspondent_entity\n");
    else
        out.buffer().append(geodesy::csvColumnNames(ellipsoid));
    Pipeline pipeline(ellipsoid, entities, countries, out);
    for (const NamedInput& input : inputs) {
        LineReader lines(input.file);
        std::string_view line;
        std::array<std::string_view, 2> words;
        LineReader::Line kind;
        Stretch stretch{&input.name, {}, {}, {}, {}, {}};
        for (std::uint64_t number = 1; (kind = lines.next(line)) != LineReader::Line::End; ++number) {
            // Blank lines and comments are passed over, however long.
            const std::size_t count = splitWords(line, words);
            if (count == 0 || words[0].front() == '#')
                continue;
            if (kind == LineReader::Line::TooLong)
                stretch.lines.push_back({number, 0, 0,
                                         "строка длиннее " + std::to_string(LineReader::LongestLine)
                                             + " байт, а пара положений занимает десятки"});
            else if (count != 2)
                stretch.lines.push_back({number, 0, 0, "ожидается пара «СВОЙ КОРРЕСПОНДЕНТ» через пробел"});
            else {
                stretch.words.append(words[0]);
                const std::size_t ownEnd = stretch.words.size();
                stretch.words.append(words[1]);
                stretch.lines.push_back({number, ownEnd, stretch.words.size(), {}});
            }
            if (stretch.lines.size() == Stretch::Lines
                && !pipeline.start(std::exchange(stretch, Stretch{&input.name, {}, {}, {}, {}, {}})))
                return pipeline.status();
        }
        if (!pipeline.start(std::move(stretch)) || !pipeline.finish())
            return pipeline.status();
        if (std::ferror(input.file)) {
            report("не удалось прочитать «", input.name, "»: ", systemError(lines.error()));
            return kMisuse;
        }
    }
    return pipeline.status();
}
