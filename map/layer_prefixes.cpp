// The entities' prefixes, written where the country file places each
// entity, as many as there is room for.

#include "map/layers.h"

#include "dxcc/country_file.h"
#include "map/prefix_labels.h"

namespace map::layers {

void wishPrefixes(LabelSet& labels, const View& view, const RimCut& cut, const MapScene& scene)
{
    if (!scene.showPrefixes || !scene.countries)
        return;
    for (const dxcc::Entity* entity : entitiesByImportance(*scene.countries)) {
        const geodesy::MapPoint p = geodesy::project(cut.projection(), entity->values.position);
        if (std::hypot(p.x, p.y) > view.radiusKm)
            continue;
        const QString text = prefixText(*entity);
        const QPointF at = view.at(p);
        // Just below the entity's point, clear of a log's ring there; else
        // just above it.
        const double height = view.box(LabelKind::Prefix, text, at).height();
        const double off = view.markDiameter / 2 + height / 2;
        labels.wish(LabelKind::Prefix, text,
                    {at, {view.box(LabelKind::Prefix, text, at + QPointF(0, off)),
                          view.box(LabelKind::Prefix, text, at - QPointF(0, off))},
                     false},
                    entity);
    }
}

} // namespace map::layers
