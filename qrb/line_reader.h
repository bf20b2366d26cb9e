#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Lines of a file, read in large blocks.
class LineReader {
public:
    explicit LineReader(std::FILE* file);

    // The next line without its "\n" or "\r\n"; false at the end. The view
    // holds until the next call.
    bool next(std::string_view& line);

private:
    std::FILE* file_;
    std::string buffer_;
    std::size_t start_ = 0;
    std::size_t filled_ = 0;
    bool endOfFile_ = false;
};
