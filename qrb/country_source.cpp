#include "qrb/country_source.h"

#include "dxcc/country_file_load.h"
#include "dxcc/messages.h"
#include "qrb/system_error.h"

const dxcc::CountryFile* CountrySource::file()
{
    if (tried_)
        return file_ ? &*file_ : nullptr;
    tried_ = true;
    // A file the user named is read or refused, never passed over for another.
    const std::string path = named_.empty() ? dxcc::chooseCountryFile(dxcc::countryFileCandidates()) : named_;
    if (path.empty()) {
        failure_ = dxcc::noCountryFileMessage();
        return nullptr;
    }
    auto loaded = dxcc::loadCountryFile(path);
    if (auto* read = std::get_if<dxcc::CountryFile>(&loaded)) {
        file_ = std::move(*read);
        return &*file_;
    }
    const auto& cause = std::get<dxcc::LoadFailure>(loaded).cause;
    if (const auto* format = std::get_if<dxcc::ReadFailure>(&cause))
        failure_ = dxcc::message(path, *format);
    else
        failure_ = "не удалось прочитать файл стран «" + path + "»: " + systemError(std::get<int>(cause));
    return nullptr;
}
