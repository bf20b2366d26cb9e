#pragma once

// The country file Debian's hamradio-files installs, read once: the same
// file as the program reads when the user has none of their own.

#include "dxcc/country_file_load.h"

#include <QtGlobal>

inline const dxcc::CountryFile& systemCountries()
{
    static const dxcc::CountryFile file = [] {
        auto loaded = dxcc::loadCountryFile(dxcc::SystemCountryFile);
        if (!std::holds_alternative<dxcc::CountryFile>(loaded))
            qFatal("%s is missing or refused: install hamradio-files", dxcc::SystemCountryFile);
        return std::get<dxcc::CountryFile>(std::move(loaded));
    }();
    return file;
}
