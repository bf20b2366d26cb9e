#include "dxcc/country_source.h"

#include "dxcc/country_file_load.h"
#include "dxcc/messages.h"

namespace dxcc {

const CountryFile* CountrySource::file()
{
    if (tried_)
        return file_ ? &*file_ : nullptr;
    tried_ = true;
    const std::string path = named_.empty() ? chooseCountryFile(countryFileCandidates()) : named_;
    if (path.empty()) {
        failure_ = noCountryFileMessage();
        return nullptr;
    }
    auto loaded = loadCountryFile(path);
    if (auto* read = std::get_if<CountryFile>(&loaded)) {
        file_ = std::move(*read);
        return &*file_;
    }
    const auto& cause = std::get<LoadFailure>(loaded).cause;
    if (const auto* format = std::get_if<ReadFailure>(&cause))
        failure_ = message(path, *format);
    else
        failure_ = "не удалось прочитать файл стран «" + path + "»" + (reason_ ? ": " + reason_(std::get<int>(cause)) : "");
    return nullptr;
}

} // namespace dxcc
