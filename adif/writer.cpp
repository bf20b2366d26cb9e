#include "adif/writer.h"

#include <algorithm>
#include <charconv>

namespace adif {
namespace {

void appendLength(std::size_t length, std::string& out)
{
    char digits[24];
    const char* const end = std::to_chars(digits, digits + sizeof digits, length).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

bool isSpacing(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

} // namespace

void appendSection(const Section& section, const FieldValue* values, std::size_t count, bool overwrite,
                   std::string& out)
{
    const std::string_view text = section.text;
    const FieldValue* const end = values + count;
    std::size_t copied = 0;

    if (overwrite) {
        for (const Field& field : section.fields) {
            const FieldValue* value = std::find_if(
                values, end, [&field](const FieldValue& v) { return sameName(v.name, field.name); });
            if (value == end)
                continue;
            out.append(text.substr(copied, field.lengthStart - copied));
            appendLength(value->data.size(), out);
            out.append(text.substr(field.lengthEnd, field.dataStart - field.lengthEnd));
            out.append(value->data);
            copied = field.dataEnd;
        }
    }

    const std::size_t lastDataEnd = section.fields.empty() ? section.endTag : section.fields.back().dataEnd;
    std::string_view spacing = text.substr(lastDataEnd, section.endTag - lastDataEnd);
    if (!isSpacing(spacing))
        spacing = " ";
    out.append(text.substr(copied, section.endTag - copied));
    for (const FieldValue* value = values; value != end; ++value) {
        if (section.find(value->name))
            continue;
        out.append("<").append(value->name).append(":");
        appendLength(value->data.size(), out);
        out.append(">").append(value->data).append(spacing);
    }
    out.append(text.substr(section.endTag));
}

} // namespace adif
