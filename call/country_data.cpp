#include "call/country_data.h"

#include "dxcc/country_file_load.h"
#include "dxcc/messages.h"

#include <QFile>

const dxcc::CountryFile* CountryData::file()
{
    if (tried_)
        return file_ ? &*file_ : nullptr;
    tried_ = true;
    const std::string path = dxcc::chooseCountryFile(dxcc::countryFileCandidates());
    if (path.empty()) {
        failure_ = QString::fromStdString(dxcc::noCountryFileMessage());
        return nullptr;
    }
    path_ = QFile::decodeName(path.c_str());
    auto loaded = dxcc::loadCountryFile(path);
    if (auto* file = std::get_if<dxcc::CountryFile>(&loaded)) {
        file_ = std::move(*file);
        return &*file_;
    }
    const dxcc::LoadFailure& failure = std::get<dxcc::LoadFailure>(loaded);
    if (const auto* format = std::get_if<dxcc::ReadFailure>(&failure.cause))
        failure_ = QString::fromStdString(dxcc::message(path, *format));
    else
        failure_ = QStringLiteral("не удалось прочитать файл стран «%1»").arg(path_);
    return nullptr;
}
