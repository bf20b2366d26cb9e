#include "qrb/output_file.h"

#include "qrb/system_error.h"

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a path names in the end, through any symbolic links; the path
// itself when it is no link, or names nothing yet. Empty, with errno set,
// when the links go round or cannot be read.
std::optional<std::string> finalTarget(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {  // as many as the kernel follows
        struct stat link {};
        if (lstat(path.c_str(), &link) != 0)
            return errno == ENOENT ? std::optional<std::string>(path) : std::nullopt;
        if (!S_ISLNK(link.st_mode))
            return path;
        std::string to(PATH_MAX, '\0');
        const ssize_t length = readlink(path.c_str(), to.data(), to.size());
        if (length < 0)
            return std::nullopt;
        if (static_cast<std::size_t>(length) == to.size()) {
            errno = ENAMETOOLONG;
            return std::nullopt;
        }
        to.resize(static_cast<std::size_t>(length));
        // A relative link leads on from the folder that holds it.
        if (to.front() != '/' && path.find('/') != std::string::npos)
            to = path.substr(0, path.rfind('/') + 1) + to;
        path = to;
    }
    errno = ELOOP;
    return std::nullopt;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Nothing, or a regular file: what may be replaced.
bool replaceable(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) != 0 ? errno == ENOENT : S_ISREG(status.st_mode);
}

bool writeAll(int descriptor, const char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// A whole copy, on the disk, under a name nothing else has; false, with
// errno set, when it could not be made.
bool copyFile(const std::string& from, const std::string& to, mode_t mode)
{
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    bool copied = out >= 0 && fchmod(out, mode) == 0;
    char block[1 << 16];
    ssize_t read = 0;
    while (copied && ((read = ::read(in, block, sizeof block)) > 0 || (read < 0 && errno == EINTR)))
        copied = read < 0 || writeAll(out, block, static_cast<std::size_t>(read));
    copied = copied && read == 0 && fsync(out) == 0;
    const int saved = errno;
    if (out >= 0 && ::close(out) != 0)
        copied = false;
    ::close(in);
    errno = saved;
    return copied;
}

} // namespace

OutputFile::OutputFile(std::string target, bool keepBackup)
    : target_(std::move(target))
    , keepBackup_(keepBackup)
{
    buffer_.reserve(FlushSize * 2);
}

OutputFile::~OutputFile()
{
    if (file_ && file_ != stdout)
        std::fclose(file_);
    if (!temporary_.empty())
        unlink(temporary_.c_str());
}

bool OutputFile::fail(const std::string& what, int code)
{
    failure_ = what + ": " + systemError(code);
    return false;
}

bool OutputFile::open()
{
    if (target_.empty()) {
        stream_ = true;
        file_ = stdout;
        return true;
    }
    // A device, a FIFO, a terminal, or a descriptor like /dev/stdout, links
    // to it followed: written into as it stands.
    struct stat existing {};
    if (stat(target_.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        if (keepBackup_) {
            failure_ = "--in-place заменяет только обычный файл, а «" + target_ + "» — не он";
            return false;
        }
        stream_ = true;
        file_ = std::fopen(target_.c_str(), "wb");
        return file_ || fail("не удалось открыть «" + target_ + "»");
    }

    const std::optional<std::string> resolved = finalTarget(target_);
    if (!resolved)
        return fail("не удалось открыть «" + target_ + "»");
    path_ = *resolved;
    const bool exists = stat(path_.c_str(), &existing) == 0;
    std::string name = path_ + ".tmp-XXXXXX";
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0)
        return fail("не удалось создать временный файл рядом с «" + path_ + "»");
    temporary_ = name;
    // The permissions the target has, or those a new file would get.
    mode_t mode = existing.st_mode & 07777;
    if (!exists) {
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

void OutputFile::send(std::string_view bytes)
{
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() && !writeError_)
        writeError_ = errno;
}

void OutputFile::flush()
{
    send(buffer_);
    buffer_.clear();
}

void OutputFile::write(std::string_view bytes)
{
    flush();
    send(bytes);
}

bool OutputFile::commit()
{
    flush();
    const std::string written = target_.empty() ? "в стандартный вывод" : "«" + target_ + "»";
    if (writeError_ || std::fflush(file_) != 0)
        return fail("не удалось записать " + written, writeError_ ? writeError_ : errno);
    if (file_ == stdout)
        return true;
    if (temporary_.empty()) {  // a device, written into as it stands
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return closed || fail("не удалось записать " + written);
    }

    const bool synced = fsync(fileno(file_)) == 0;
    const int syncError = errno;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!synced || !closed)
        return fail("не удалось записать " + written, synced ? errno : syncError);
    // What stands at the target now may have changed during the run.
    if (!replaceable(path_)) {
        failure_ = "«" + path_ + "» стал за время работы не обычным файлом; он оставлен как есть";
        return false;
    }
    if (keepBackup_ && !keepOriginal())
        return false;
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0)
        return fail("не удалось заменить «" + path_ + "»");
    temporary_.clear();

    // The new name is on the disk only once its folder is.
    const int folder = ::open(folderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool folderSynced = folder >= 0 && (fsync(folder) == 0 || errno == EINVAL);
    const int folderError = errno;
    if (folder >= 0)
        ::close(folder);
    return folderSynced
        || fail("«" + path_ + "» заменён, но папка «" + folderOf(path_) + "» не записана на диск", folderError);
}

// The original stays under the backup's name: a second link to it where the
// file system has them, or else a whole copy. Either is made under a name of
// its own first and then renamed over the old backup, so that neither the
// target's name nor the backup's ever points at nothing.
bool OutputFile::keepOriginal()
{
    const std::string backup = path_ + ".bak";
    if (!replaceable(backup)) {
        failure_ = "«" + backup + "» — не обычный файл; уберите его, и копия журнала встанет на его место";
        return false;
    }
    const std::string staged = backup + ".tmp-" + std::to_string(getpid());
    unlink(staged.c_str());
    struct stat original {};
    const bool made = link(path_.c_str(), staged.c_str()) == 0
        || (stat(path_.c_str(), &original) == 0 && copyFile(path_, staged, original.st_mode & 07777));
    if (!made || std::rename(staged.c_str(), backup.c_str()) != 0) {
        const int saved = errno;
        unlink(staged.c_str());
        return fail("не удалось сохранить копию «" + backup + "»", saved);
    }
    return true;
}
