#include "qrb/output_file.h"

#include "qrb/report.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

OutputFile::OutputFile(std::string target)
    : target_(std::move(target))
{
    buffer_.reserve(kFlushSize * 2);
}

OutputFile::~OutputFile()
{
    if (file_ && file_ != stdout)
        std::fclose(file_);
    if (!temporary_.empty())
        unlink(temporary_.c_str());
}

bool OutputFile::fail(const std::string& what)
{
    failure_ = what + ": " + std::string(systemError());
    return false;
}

bool OutputFile::open()
{
    if (target_.empty()) {
        file_ = stdout;
        return true;
    }
    std::string name = target_ + ".tmp-XXXXXX";
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0)
        return fail("не удалось создать временный файл рядом с «" + target_ + "»");
    temporary_ = name;
    // The permissions the target has, or those a new file would get.
    struct stat existing {};
    mode_t mode = 0;
    if (stat(target_.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    file_ = fdopen(descriptor, "wb");
    if (!file_) {
        close(descriptor);
        return fail("не удалось открыть «" + temporary_ + "»");
    }
    if (fchmod(descriptor, mode) != 0)
        return fail("не удалось задать права «" + temporary_ + "»");
    return true;
}

void OutputFile::flush()
{
    if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
        writeFailed_ = true;
    buffer_.clear();
}

bool OutputFile::commit(const std::string& backup)
{
    flush();
    const std::string written = target_.empty() ? "в стандартный вывод" : "«" + target_ + "»";
    if (writeFailed_ || std::fflush(file_) != 0)
        return fail("не удалось записать " + written);
    if (file_ == stdout)
        return true;

    const bool synced = fsync(fileno(file_)) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!synced || !closed)
        return fail("не удалось записать " + written);
    // The original stays under the backup's name as a second link, so that
    // the target's name never points at nothing.
    if (!backup.empty()) {
        if (unlink(backup.c_str()) != 0 && errno != ENOENT)
            return fail("не удалось заменить «" + backup + "»");
        if (link(target_.c_str(), backup.c_str()) != 0)
            return fail("не удалось сохранить копию «" + backup + "»");
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
        return fail("не удалось заменить «" + target_ + "»");
    temporary_.clear();
    return true;
}
