#pragma once

#include "dxcc/call_rules.h"
#include "dxcc/country_file.h"

#include <string>
#include <string_view>

namespace dxcc {

// The user's words for what went wrong with the country file or a call, in
// UTF-8: all of them are here.
std::string_view message(FormatFailure failure);
std::string_view message(CallFailure failure);

// "файл стран «PATH», строка N: …"; a file without a single record has
// no line to name.
std::string message(const std::string& path, const ReadFailure& failure);

// When there is no country file at all: where to put one.
std::string noCountryFileMessage();

} // namespace dxcc
