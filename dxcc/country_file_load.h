#pragma once

#include "dxcc/country_file.h"

#include <string>
#include <variant>
#include <vector>

namespace dxcc {

inline constexpr char CountryFileName[] = "cty.dat";
// Where Debian's hamradio-files puts it.
inline constexpr char SystemCountryFile[] = "/usr/share/hamradio-files/cty.dat";

// The user's own copy, beside the station database user.mdb:
// $XDG_DATA_HOME/azidal/cty.dat, ~/.local/share/azidal/cty.dat when that is
// not set.
std::string userCountryFile();

// Where a country file is looked for, newest first: the one the user named
// (when not empty), the user's own copy, the system's.
std::vector<std::string> countryFileCandidates(const std::string& named = {});

// The first of the candidates that exists, newest first: the one the user
// named, the one in the user's folder, the system's. Empty when none does.
std::string chooseCountryFile(const std::vector<std::string>& candidates);

// Why the file could not be had: its text's fault, or the system's errno.
struct LoadFailure {
    std::variant<ReadFailure, int> cause;
};

// The file read whole and parsed. A file that is not a regular file, or is
// larger than any country file, is refused as unreadable.
std::variant<CountryFile, LoadFailure> loadCountryFile(const std::string& path);

} // namespace dxcc
