#include "qrb/line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

} // namespace

LineReader::LineReader(std::FILE* file)
    : file_(file)
    , buffer_(1 << 16, '\0')
{
}

LineReader::Line LineReader::next(std::string_view& line)
{
    bool tooLong = false;
    bool blank = true;  // what was dropped of a line too long
    std::size_t searched = start_;
    for (;;) {
        const void* newline = std::memchr(buffer_.data() + searched, '\n', filled_ - searched);
        if (newline || endOfFile_) {
            const std::size_t end = newline ? static_cast<const char*>(newline) - buffer_.data() : filled_;
            if (!newline && end == start_ && !tooLong)
                return Line::End;
            line = std::string_view(buffer_.data() + start_, end - start_);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            start_ = newline ? end + 1 : end;
            if (tooLong && blank && std::all_of(line.begin(), line.end(), isBlank))
                line = {};
            else if (tooLong)
                line = beginning_;
            return line.size() > LongestLine || (tooLong && !line.empty()) ? Line::TooLong : Line::Text;
        }
        // What is read of a line too long, and its CR, is dropped but for its
        // beginning, by which a comment is still known.
        if (filled_ - start_ > LongestLine + 1) {
            if (!tooLong)
                beginning_.assign(buffer_.data() + start_, LongestLine);
            blank = blank && std::all_of(buffer_.data() + start_, buffer_.data() + filled_, isBlank);
            tooLong = true;
            start_ = filled_;
        }
        // The rest of an unfinished line moves to the front, and reading
        // goes on after it.
        std::memmove(buffer_.data(), buffer_.data() + start_, filled_ - start_);
        filled_ -= start_;
        start_ = 0;
        searched = filled_;
        const std::size_t read = std::fread(buffer_.data() + filled_, 1, buffer_.size() - filled_, file_);
        if (read == 0 && std::ferror(file_) && !error_)
            error_ = errno;
        filled_ += read;
        endOfFile_ = read == 0;
    }
}
