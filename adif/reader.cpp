#include "adif/reader.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace adif {
namespace {

constexpr std::size_t BlockSize = 64 * 1024;

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// What stands where <NAME:LENGTH> or <NAME:LENGTH:TYPE> has its LENGTH.
std::string_view lengthText(std::string_view inside)
{
    const std::size_t colon = inside.find(':');
    if (colon == std::string_view::npos)
        return {};
    return inside.substr(colon + 1, inside.find(':', colon + 1) - (colon + 1));
}

// The length those decimal digits give, counted no further than a length
// no file has, so that nothing overflows. Empty when they are no length:
// the tag is text.
std::optional<std::uint64_t> declaredLength(std::string_view digits)
{
    constexpr std::uint64_t BeyondAnyFile = 1000000000000000000;
    if (digits.empty())
        return std::nullopt;
    std::uint64_t length = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        length = std::min<std::uint64_t>(length * 10 + static_cast<std::uint64_t>(c - '0'), BeyondAnyFile);
    }
    return length;
}

} // namespace

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

const Field* Section::find(std::string_view name) const
{
    for (const Field& field : fields)
        if (sameName(field.name, name))
            return &field;
    return nullptr;
}

std::string_view message(Malformed kind)
{
    switch (kind) {
    case Malformed::UnclosedTag:
        return "метка не закрыта знаком «>»";
    case Malformed::DataPastEnd:
        return "данные поля длиннее, чем осталось до конца файла";
    case Malformed::MissingEndOfRecord:
        return "последняя запись не закончена меткой <EOR>";
    case Malformed::MisplacedHeaderEnd:
        return "метка <EOH> не на месте: заголовок бывает только один, перед первой записью";
    case Malformed::TooLong:
        static_assert(LongestSection == 4 << 20, "the words name the limit");
        return "запись или поле длиннее 4 МиБ: в журналах связей таких не бывает";
    }
    return {};
}

std::string message(const ReadError& error)
{
    return "байт " + std::to_string(error.offset) + ", запись " + std::to_string(error.record) + ": "
        + std::string(message(error.kind));
}

Reader::Reader(Source source, std::optional<std::uint64_t> size)
    : source_(std::move(source))
    , size_(size)
{
    buffer_.resize(BlockSize);
}

// Reads more input after what is buffered, moving the current section to
// the front of the buffer first, and growing the buffer when the section
// fills it, up to the longest a section may be.
Reader::Fill Reader::fill()
{
    if (endOfInput_)
        return Fill::End;
    if (start_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + start_, filled_ - start_);
        bufferOffset_ += start_;
        filled_ -= start_;
        start_ = 0;
    }
    if (filled_ == buffer_.size()) {
        if (buffer_.size() >= LongestSection)
            return Fill::TooLong;
        buffer_.resize(buffer_.size() * 2);
    }
    const std::size_t read = source_(buffer_.data() + filled_, buffer_.size() - filled_);
    if (read == 0) {
        endOfInput_ = true;
        return Fill::End;
    }
    filled_ += read;
    return Fill::More;
}

Reader::Step Reader::fail(Malformed kind, std::size_t at)
{
    done_ = true;
    error_ = {kind, bufferOffset_ + start_ + at, records_ + 1};
    return Step::Error;
}

Reader::Step Reader::finishSection(SectionKind kind, std::size_t textEnd, std::size_t endTag)
{
    const char* text = buffer_.data() + start_;
    section_.kind = kind;
    section_.text = {text, textEnd};
    section_.endTag = endTag;
    for (Field& field : section_.fields) {
        field.name = {text + field.tagStart + 1, field.lengthStart - 1 - (field.tagStart + 1)};
        field.data = {text + field.dataStart, field.dataEnd - field.dataStart};
    }
    if (kind == SectionKind::Record)
        ++records_;
    start_ += textEnd;
    return Step::Section;
}

Reader::Step Reader::next()
{
    if (done_)
        return Step::End;
    section_.fields.clear();
    std::size_t at = 0;  // from the start of the section
    for (;;) {
        // Text before the first field goes on in pieces, however long it is.
        if (section_.fields.empty() && at >= BlockSize)
            return finishSection(SectionKind::Text, at, at);
        const void* lt = std::memchr(here() + at, '<', available() - at);
        if (!lt) {
            at = available();
            if (const std::optional<Step> ended = noTagBefore(at))
                return *ended;
            continue;
        }
        const std::size_t tag = static_cast<const char*>(lt) - here();
        std::size_t close = 0;
        if (const std::optional<Step> failed = closeTag(tag, close))
            return *failed;
        if (const std::optional<Step> ended = readTag(tag, close, at))
            return *ended;
    }
}

// No "<" in what is buffered, up to `at`: more input to look in, or the
// section ends there, as the input does.
std::optional<Reader::Step> Reader::noTagBefore(std::size_t at)
{
    const Fill more = fill();
    if (more == Fill::More)
        return std::nullopt;
    if (!section_.fields.empty())
        return fail(more == Fill::End ? Malformed::MissingEndOfRecord : Malformed::TooLong,
                    section_.fields.front().tagStart);
    done_ = true;
    return at == 0 ? Step::End : finishSection(SectionKind::Text, at, at);
}

// The tag's ">", with no "<" on the way, into `close`; or why there is none.
std::optional<Reader::Step> Reader::closeTag(std::size_t tag, std::size_t& close)
{
    close = tag + 1;
    for (;;) {
        const char* from = here() + close;
        const std::size_t left = available() - close;
        const void* gt = std::memchr(from, '>', left);
        const std::size_t scanned = gt ? static_cast<const char*>(gt) - from : left;
        if (std::memchr(from, '<', scanned))
            return fail(Malformed::UnclosedTag, tag);
        close += scanned;
        if (gt)
            return std::nullopt;
        if (close - tag > LongestTag)  // no name is that long: it will not close
            return fail(Malformed::UnclosedTag, tag);
        const Fill more = fill();
        if (more != Fill::More)
            return fail(more == Fill::End ? Malformed::UnclosedTag : Malformed::TooLong, tag);
    }
}

// A whole tag: an end tag ends the section; a tag without a length is text
// and a field is read whole, and either way the section goes on from `at`.
std::optional<Reader::Step> Reader::readTag(std::size_t tag, std::size_t close, std::size_t& at)
{
    const std::string_view inside(here() + tag + 1, close - tag - 1);
    const std::size_t colon = inside.find(':');
    const std::string_view name = inside.substr(0, colon);
    const bool header = sameName(name, "EOH");
    if (header || sameName(name, "EOR")) {
        if (header && headerOrRecordSeen_)
            return fail(Malformed::MisplacedHeaderEnd, tag);
        headerOrRecordSeen_ = true;
        return finishSection(header ? SectionKind::Header : SectionKind::Record, close + 1, tag);
    }
    const std::string_view digits = lengthText(inside);
    const std::optional<std::uint64_t> length = declaredLength(digits);
    if (!length) {
        at = close + 1;
        return std::nullopt;
    }
    if (size_ && *length > *size_ - (bufferOffset_ + start_ + close + 1))
        return fail(Malformed::DataPastEnd, tag);
    if (*length > LongestSection)
        return fail(Malformed::TooLong, tag);

    Field field{};
    field.tagStart = tag;
    field.lengthStart = tag + 1 + colon + 1;
    field.lengthEnd = field.lengthStart + digits.size();
    field.dataStart = close + 1;
    field.dataEnd = field.dataStart + static_cast<std::size_t>(*length);  // within LongestSection
    if (const std::optional<Step> failed = readData(field))
        return failed;
    section_.fields.push_back(field);
    at = field.dataEnd;
    return std::nullopt;
}

// Input read until the buffer holds the field's data; or why it does not.
std::optional<Reader::Step> Reader::readData(const Field& field)
{
    while (available() < field.dataEnd) {
        const Fill more = fill();
        if (more != Fill::More)
            return fail(more == Fill::End ? Malformed::DataPastEnd : Malformed::TooLong, field.tagStart);
    }
    return std::nullopt;
}

} // namespace adif
