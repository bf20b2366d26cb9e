// The entities' prefixes, written where the country file places each
// entity, as many as fit without hiding one another or a station.

#include "map/layers.h"

#include "dxcc/country_file.h"
#include "map/label_placement.h"
#include "map/map_style.h"

#include <QFontMetricsF>
#include <QPainter>

namespace map::layers {
namespace {

QFont prefixFont(const View& view)
{
    QFont font = view.font;
    font.setPixelSize(std::max(8, int(view.font.pixelSize() * 0.9)));
    font.setBold(true);
    return font;
}

} // namespace

std::vector<PrefixLabel> placePrefixes(const View& view, const RimCut& cut, const MapScene& scene)
{
    if (!scene.showPrefixes || !scene.countries)
        return {};
    const QFontMetricsF metrics(prefixFont(view));
    std::vector<PrefixLabel> wanted;
    std::vector<QRectF> boxes;
    for (const dxcc::Entity* entity : entitiesByImportance(*scene.countries)) {
        const geodesy::MapPoint p = geodesy::project(cut.projection(), entity->values.position);
        const QString text = prefixText(*entity);
        // Just below the entity's point, clear of a log's ring there; a
        // pixel of room on each side, so that neighbours never touch.
        const QSizeF size = metrics.size(0, text) + QSizeF(2, 0);
        const QRectF box(view.at(p) + QPointF(-size.width() / 2, countryRingRadius(view)), size);
        wanted.push_back({entity, text, box});
        boxes.push_back(box);
    }
    std::vector<PrefixLabel> placed;
    for (const std::size_t i : placeLabels(boxes, stationBoxes(view, cut, scene), view.centre, view.discRadius))
        placed.push_back(wanted[i]);
    return placed;
}

void paintPrefixes(QPainter& painter, const View& view, const std::vector<PrefixLabel>& labels)
{
    painter.save();
    painter.setFont(prefixFont(view));
    painter.setPen(style::Prefix);
    for (const PrefixLabel& label : labels)
        painter.drawText(label.box, Qt::AlignCenter, label.text);
    painter.restore();
}

} // namespace map::layers
