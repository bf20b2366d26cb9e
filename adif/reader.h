#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace adif {

// An ADIF (.adi) log read as it stands, one section at a time, so that a
// writer can give every byte back. A field is <NAME:LENGTH>data or
// <NAME:LENGTH:TYPE>data, its length counted in bytes; <EOH> ends the
// header, <EOR> each record; names are compared in any case. Any other tag
// without a decimal length, such as LoTW's <APP_LoTW_EOF> or an address in
// angle brackets in the header's free text, is text like the text between
// fields, and belongs to the section it stands in.
//
// Memory stays flat whatever the input: text outside the fields comes in
// pieces, and a record, a field or a tag longer than any log holds is
// refused without waiting for its end. A field's declared length is refused
// at once when it runs past the end of an input of known size.

// Field names compared as ADIF compares them, in any case.
bool sameName(std::string_view a, std::string_view b);

// One field; offsets count from the start of its section's text.
struct Field {
    std::string_view name;  // as written
    std::string_view data;
    std::size_t tagStart;     // its "<"
    std::size_t lengthStart;  // the digits of the length
    std::size_t lengthEnd;
    std::size_t dataStart;
    std::size_t dataEnd;
};

enum class SectionKind {
    Header,  // ends with <EOH>
    Record,  // ends with <EOR>
    Text,    // no fields and no end tag: what follows the last end tag, or
             // a piece of a long text that comes before a field
};

struct Section {
    SectionKind kind = SectionKind::Text;
    std::string_view text;     // from the end of the previous section through this one's end tag
    std::size_t endTag = 0;    // offset of the end tag; text.size() for text
    std::vector<Field> fields;

    // The first field of that name, or null.
    const Field* find(std::string_view name) const;
};

enum class Malformed {
    UnclosedTag,         // "<" with no ">" before the next "<", the end, or
                         // LongestTag
    DataPastEnd,         // the length runs past the end of the file
    MissingEndOfRecord,  // fields after the last <EOR>
    MisplacedHeaderEnd,  // <EOH> after a record or a first <EOH>
    TooLong,             // a record or a field beyond LongestSection
};

// No log of contacts holds more in one record, or in one tag.
inline constexpr std::size_t LongestSection = 4 << 20;
inline constexpr std::size_t LongestTag = 64 << 10;

struct ReadError {
    Malformed kind;
    std::uint64_t offset;  // byte offset in the input of the "<" where it begins
    std::uint64_t record;  // 1 for the first record; the header belongs to record 1
};

// The words the user reads, in UTF-8: for the kind, and for the fault with
// where it is ("байт 17, запись 2: …").
std::string_view message(Malformed kind);
std::string message(const ReadError& error);

class Reader {
public:
    // Fills the buffer with up to `size` bytes and returns how many; 0 at
    // the end of the input.
    using Source = std::function<std::size_t(char* buffer, std::size_t size)>;

    // `size` is the input's length in bytes, when it is known (a file).
    explicit Reader(Source source, std::optional<std::uint64_t> size = std::nullopt);

    enum class Step { Section, End, Error };

    // Reads the next section: its fields and the views into its text hold
    // until the next call. After End or Error there is nothing more.
    Step next();

    const Section& section() const { return section_; }
    const ReadError& error() const { return error_; }

private:
    enum class Fill { More, End, TooLong };

    Fill fill();
    Step fail(Malformed kind, std::size_t at);
    Step finishSection(SectionKind kind, std::size_t textEnd, std::size_t endTag);
    // The section under way: its text so far, and how much input follows.
    const char* here() const { return buffer_.data() + start_; }
    std::size_t available() const { return filled_ - start_; }
    // The steps of next(), each empty while the section goes on, else how
    // it ended. Offsets count from the start of the section.
    std::optional<Step> noTagBefore(std::size_t at);
    std::optional<Step> closeTag(std::size_t tag, std::size_t& close);
    std::optional<Step> readTag(std::size_t tag, std::size_t close, std::size_t& at);
    std::optional<Step> readData(const Field& field);

    Source source_;
    std::optional<std::uint64_t> size_;
    std::string buffer_;
    std::size_t start_ = 0;   // where the current section begins in buffer_
    std::size_t filled_ = 0;  // bytes of buffer_ that hold input
    std::uint64_t bufferOffset_ = 0;  // offset of buffer_[0] in the input
    bool endOfInput_ = false;
    bool done_ = false;
    bool headerOrRecordSeen_ = false;
    std::uint64_t records_ = 0;
    Section section_;
    ReadError error_{};
};

} // namespace adif
