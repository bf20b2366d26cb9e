#pragma once

#include <string_view>

namespace dxcc {

// An entity of the country file as the program names it: its ADIF DXCC
// number, the primary prefix the country file gives it (without the '*' of
// WAE-only entities), its name in ADIF's DXCC table, and in Russian.
struct EntityName {
    int dxcc;
    std::string_view prefix;
    std::string_view adif;
    std::string_view russian;
};

// The program's own names for the country file's primary prefix, or nullptr
// for an entity the table does not know (a newer file's).
const EntityName* entityName(std::string_view primaryPrefix);

} // namespace dxcc
