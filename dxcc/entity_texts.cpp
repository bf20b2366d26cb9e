#include "dxcc/entity_texts.h"

#include "dxcc/entity_names.h"

#include <cmath>

namespace dxcc {

std::string_view shownName(const Entity& entity)
{
    const EntityName* name = entityName(entity.prefix);
    return name ? name->russian : std::string_view(entity.name);
}

std::string entityLine(const Entity& entity, const Values& values)
{
    return std::string(shownName(entity)) + " (" + values.continent + ", CQ " + std::to_string(values.cqZone)
         + ", ITU " + std::to_string(values.ituZone) + (entity.waeOnly ? ", только для WAE)" : ")");
}

std::string utcOffsetText(double hours)
{
    if (hours == 0)
        return "UTC";
    const long minutes = std::lround(std::fabs(hours) * 60);
    std::string text = hours > 0 ? "UTC+" : "UTC−";
    text += std::to_string(minutes / 60);
    if (minutes % 60)
        text += ":" + std::to_string(minutes % 60);
    return text;
}

std::string versionText(const CountryFile& file)
{
    const std::string& v = file.version();
    if (v.size() != 8)
        return "файл стран без даты";
    return "файл стран от " + v.substr(6, 2) + "." + v.substr(4, 2) + "." + v.substr(0, 4);
}

} // namespace dxcc
