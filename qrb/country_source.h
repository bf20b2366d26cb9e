#pragma once

#include "dxcc/country_file.h"

#include <optional>
#include <string>

// The country file as the command uses it: read the first time a callsign
// is met, never for locators and coordinates alone, then kept.
class CountrySource {
public:
    // `named` is --cty's file, to be read or refused as it is; when empty,
    // the user's copy, else the system's.
    explicit CountrySource(std::string named) : named_(std::move(named)) {}

    // The file, or nullptr when there is none or it is refused; failure()
    // then says why, in the user's words.
    const dxcc::CountryFile* file();
    const std::string& failure() const { return failure_; }

private:
    std::string named_;
    bool tried_ = false;
    std::optional<dxcc::CountryFile> file_;
    std::string failure_;
};
