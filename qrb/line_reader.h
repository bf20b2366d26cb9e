#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Lines of a file, read in large blocks. Memory stays flat whatever the
// file holds: a line longer than LongestLine is passed over as it is read,
// never held whole.
class LineReader {
public:
    static constexpr std::size_t LongestLine = 4096;

    explicit LineReader(std::FILE* file);

    enum class Line {
        Text,     // a line, without its "\n" or "\r\n"; one of blanks only,
                  // however long, comes back empty
        TooLong,  // a line longer than LongestLine, of which only the
                  // beginning comes back
        End,
    };

    // The next line; its text holds until the next call.
    Line next(std::string_view& line);

    // The errno of a read that failed, or 0.
    int error() const { return error_; }

private:
    std::FILE* file_;
    std::string buffer_;
    std::size_t start_ = 0;
    std::size_t filled_ = 0;
    bool endOfFile_ = false;
    int error_ = 0;
    std::string beginning_;  // of a line too long
};
