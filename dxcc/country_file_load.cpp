#include "dxcc/country_file_load.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <sys/stat.h>

namespace dxcc {

namespace {

// Today's file is a third of a megabyte.
constexpr long long LargestFile = 64LL << 20;

} // namespace

std::string userCountryFile()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::string folder = data && *data ? std::string(data) : std::string(home ? home : "") + "/.local/share";
    return folder + "/azidal/" + CountryFileName;
}

std::vector<std::string> countryFileCandidates(const std::string& named)
{
    std::vector<std::string> candidates;
    if (!named.empty())
        candidates.push_back(named);
    candidates.push_back(userCountryFile());
    candidates.push_back(SystemCountryFile);
    return candidates;
}

std::string chooseCountryFile(const std::vector<std::string>& candidates)
{
    for (const std::string& path : candidates) {
        struct stat status {};
        if (!path.empty() && ::stat(path.c_str(), &status) == 0)
            return path;
    }
    return {};
}

std::variant<CountryFile, LoadFailure> loadCountryFile(const std::string& path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file)
        return LoadFailure{errno};
    struct stat status {};
    if (::fstat(::fileno(file.get()), &status) != 0)
        return LoadFailure{errno};
    if (!S_ISREG(status.st_mode))
        return LoadFailure{EISDIR};
    if (status.st_size > LargestFile)
        return LoadFailure{EFBIG};
    std::string text(std::size_t(status.st_size), '\0');
    const std::size_t read = std::fread(text.data(), 1, text.size(), file.get());
    if (std::ferror(file.get()))
        return LoadFailure{errno ? errno : EIO};
    text.resize(read);
    auto parsed = CountryFile::read(text);
    if (auto* failure = std::get_if<ReadFailure>(&parsed))
        return LoadFailure{*failure};
    return std::move(std::get<CountryFile>(parsed));
}

} // namespace dxcc
