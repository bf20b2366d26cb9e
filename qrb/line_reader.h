#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Lines of a file, read in large blocks. Memory stays flat whatever the
// file holds: a line longer than kLongestLine is passed over as it is read,
// never held whole.
class LineReader {
public:
    static constexpr std::size_t kLongestLine = 4096;

    explicit LineReader(std::FILE* file);

    enum class Line {
        Text,     // a line, without its "\n" or "\r\n"
        TooLong,  // a line longer than kLongestLine
        End,
    };

    // The next line; its text, for Text, holds until the next call.
    Line next(std::string_view& line);

private:
    std::FILE* file_;
    std::string buffer_;
    std::size_t start_ = 0;
    std::size_t filled_ = 0;
    bool endOfFile_ = false;
};
