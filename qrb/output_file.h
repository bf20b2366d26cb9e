#pragma once

#include <cstdio>
#include <string>

// Where the results go: standard output, or a file that appears whole or
// not at all. A file is written to a temporary file beside it, which
// replaces it only when the whole run has succeeded.
class OutputFile {
public:
    // Standard output when `target` is empty.
    explicit OutputFile(std::string target);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the temporary file; false with failure() set.
    bool open();

    // Results are appended here; written() sends them on once there are
    // enough of them, so that memory stays flat whatever the input's size.
    std::string& buffer() { return buffer_; }
    void written()
    {
        if (buffer_.size() >= kFlushSize)
            flush();
    }

    // Writes the rest and puts the file in place. A `backup` named keeps
    // what stood at the target under that name. False with failure() set;
    // the target is then as it was.
    bool commit(const std::string& backup);

    const std::string& failure() const { return failure_; }

private:
    static constexpr std::size_t kFlushSize = 1 << 20;

    void flush();
    bool fail(const std::string& what);

    std::string target_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
    bool writeFailed_ = false;
    std::string failure_;
};
