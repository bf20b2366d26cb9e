#pragma once

#include "adif/reader.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace adif {

// A field to give a record.
struct FieldValue {
    std::string_view name;
    std::string_view data;
};

// Appends the section to `out` byte for byte, except that each value is
// set. A field of that name already in the section keeps its data, unless
// `overwrite`: then only its length and data change, in place. A new field
// goes in before the end tag as <NAME:LENGTH>data, followed by what stands
// between the section's last field and its end tag when that is only
// blanks and line ends (a blank otherwise), so that it looks like its
// neighbours. Lengths are counted in bytes.
void appendSection(const Section& section, const FieldValue* values, std::size_t count, bool overwrite,
                   std::string& out);

} // namespace adif
