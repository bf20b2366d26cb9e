#include "adif/signal_path.h"

#include <algorithm>

namespace adif {

namespace {

// A field's data as written, blanks around it left out.
std::string_view value(const Section& record, std::string_view name)
{
    const Field* field = record.find(name);
    if (!field)
        return {};
    std::string_view data = field->data;
    while (!data.empty() && (data.front() == ' ' || data.front() == '\t'))
        data.remove_prefix(1);
    while (!data.empty() && (data.back() == ' ' || data.back() == '\t' || data.back() == '\r' || data.back() == '\n'))
        data.remove_suffix(1);
    return data;
}

} // namespace

SignalPath signalPath(const Section& record)
{
    const std::string_view path = value(record, "ANT_PATH");
    if (path.empty() || sameName(path, "S") || sameName(path, "G"))
        return SignalPath::Short;
    return sameName(path, "L") ? SignalPath::Long : SignalPath::Other;
}

bool antennaAlongPath(const Section& record)
{
    const std::string_view mode = value(record, "PROP_MODE");
    return mode.empty()
        || std::any_of(std::begin(GreatCircleModes), std::end(GreatCircleModes),
                       [mode](std::string_view known) { return sameName(mode, known); });
}

} // namespace adif
