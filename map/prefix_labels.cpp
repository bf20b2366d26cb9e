#include "map/prefix_labels.h"

#include "dxcc/country_file.h"

#include <algorithm>

namespace map {

QString prefixText(const dxcc::Entity& entity)
{
    return QString::fromStdString(entity.prefix).section(QLatin1Char('/'), 0, 0);
}

std::vector<const dxcc::Entity*> entitiesByImportance(const dxcc::CountryFile& file)
{
    std::vector<const dxcc::Entity*> entities;
    for (const dxcc::Entity& entity : file.entities())
        if (!entity.waeOnly)
            entities.push_back(&entity);
    std::stable_sort(entities.begin(), entities.end(), [](const dxcc::Entity* a, const dxcc::Entity* b) {
        if (a->prefix.size() != b->prefix.size())
            return a->prefix.size() < b->prefix.size();
        return a->prefix < b->prefix;
    });
    return entities;
}

} // namespace map
