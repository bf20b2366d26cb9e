#include "dxcc/country_source.h"

#include "dxcc/country_file_load.h"
#include "dxcc/messages.h"

namespace dxcc {

const CountryFile* CountrySource::file()
{
    std::call_once(once_, [this] { load(); });
    return file_ ? &*file_ : nullptr;
}

void CountrySource::load()
{
    tried_ = true;
    const std::string path = named_.empty() ? chooseCountryFile(countryFileCandidates()) : named_;
    if (path.empty()) {
        failure_ = noCountryFileMessage();
        return;
    }
    auto loaded = loadCountryFile(path);
    if (auto* read = std::get_if<CountryFile>(&loaded)) {
        file_ = std::move(*read);
        return;
    }
    const auto& cause = std::get<LoadFailure>(loaded).cause;
    if (const auto* format = std::get_if<ReadFailure>(&cause))
        failure_ = message(path, *format);
    else
        failure_ = "не удалось прочитать файл стран «" + path + "»" + (reason_ ? ": " + reason_(std::get<int>(cause)) : "");
}

} // namespace dxcc
