#include "qrb/line_reader.h"

#include <cstring>

LineReader::LineReader(std::FILE* file)
    : file_(file)
    , buffer_(1 << 16, '\0')
{
}

LineReader::Line LineReader::next(std::string_view& line)
{
    bool tooLong = false;
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
            return tooLong || line.size() > kLongestLine ? Line::TooLong : Line::Text;
        }
        // What is read of a line too long is dropped; the rest of an
        // unfinished line moves to the front, and reading goes on after it.
        if (filled_ - start_ > kLongestLine) {
            tooLong = true;
            start_ = filled_;
        }
        std::memmove(buffer_.data(), buffer_.data() + start_, filled_ - start_);
        filled_ -= start_;
        start_ = 0;
        searched = filled_;
        const std::size_t read = std::fread(buffer_.data() + filled_, 1, buffer_.size() - filled_, file_);
        filled_ += read;
        endOfFile_ = read == 0;
    }
}
