#pragma once

#include "dxcc/call_rules.h"
#include "dxcc/country_file.h"

#include <string>
#include <string_view>

namespace dxcc {

// The texts an entity is shown with, in UTF-8, the same in the window, on
// the command line and on paper.

// Its Russian name from the program's table, or the file's own name for an
// entity the table does not know.
std::string_view shownName(const Entity& entity);

// "Япония (AS, CQ 25, ITU 45)": the name, the continent and the zones that
// hold for the call; and a WAE-only entity said to be one.
std::string entityLine(const Entity& entity, const Values& values);

// "UTC+9", "UTC−3:30", "UTC".
std::string utcOffsetText(double hours);

// "файл стран от 02.05.2023", or "файл стран без даты".
std::string versionText(const CountryFile& file);

} // namespace dxcc
