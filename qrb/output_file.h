#pragma once

#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>

// Where the results go: standard output, or a file that appears whole or
// not at all. A regular file is written to a temporary file beside it,
// which replaces it only when the whole run has succeeded. A symbolic link
// is followed, and the file it leads to is replaced, the link kept. A
// device, a FIFO or a terminal is written into as it stands, as the shell's
// ">" does: it is never replaced.
class OutputFile {
public:
    // Standard output when `target` is empty. With `keepBackup`, the file
    // replaced stays beside itself as ".bak".
    OutputFile(std::string target, bool keepBackup);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the temporary file, or opens the device; false with failure()
    // set.
    bool open();

    // Results are appended here; written() sends them on once there are
    // enough of them, so that memory stays flat whatever the input's size.
    std::string& buffer() { return buffer_; }
    void written()
    {
        if (buffer_.size() >= FlushSize)
            flush();
    }

    // A result made whole elsewhere, a picture say: written after what the
    // buffer holds, without a copy of it made there.
    void write(std::string_view bytes);

    // Writes the rest and puts the file in place, on the disk for good.
    // False with failure() set; the target is then as it was, unless only
    // the folder holding it could not be written to the disk afterwards.
    bool commit();

    const std::string& failure() const { return failure_; }

    // Whether open() found a device, a FIFO or a terminal rather than a file.
    bool isStream() const { return stream_; }

private:
    static constexpr std::size_t FlushSize = 1 << 20;

    void flush();
    void send(std::string_view bytes);
    bool keepOriginal();
    bool fail(const std::string& what, int code = errno);

    std::string target_;  // as the user named it
    std::string path_;    // the file itself, links followed
    bool keepBackup_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
    bool stream_ = false;
    int writeError_ = 0;  // errno of the first write that failed
    std::string failure_;
};
