#pragma once

#include "dxcc/country_file_load.h"
#include "map/log_points.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

// The country file Debian's hamradio-files installs, read once.
inline const dxcc::CountryFile& countries()
{
    static const dxcc::CountryFile file
        = std::get<dxcc::CountryFile>(dxcc::loadCountryFile(dxcc::SystemCountryFile));
    return file;
}

inline const dxcc::Entity& entityOf(const std::string& prefix)
{
    const auto& all = countries().entities();
    return *std::find_if(all.begin(), all.end(), [&](const dxcc::Entity& e) { return e.prefix == prefix; });
}

inline std::variant<map::LogPoints, std::string> logPoints(const QByteArray& log,
                                                           const dxcc::CountryFile* countryFile = nullptr)
{
    qsizetype at = 0;
    return map::readLogPoints(
        [&](char* buffer, std::size_t size) {
            const std::size_t n = std::min(size, std::size_t(log.size() - at));
            std::memcpy(buffer, log.constData() + std::exchange(at, at + qsizetype(n)), n);
            return n;
        },
        countryFile);
}
