#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

namespace dxcc {
struct Entity;
}

namespace map {

// What a label on the map names, from the most important down: the
// centre's and the correspondents' labels always show; where there is no
// room the others give way, the log's counts first, then the prefixes, the
// grid's letters and the rings' distances.
enum class LabelKind { Own, Correspondent, Ring, Grid, Prefix, LogCount };

// A label as it is written on the device.
struct MapLabel {
    LabelKind kind;
    QString text;
    QPointF anchor;  // the point it names
    QRectF box;      // where it is written
    bool leader = false;  // a line joins it to its point
    const dxcc::Entity* entity = nullptr;  // a prefix's, named under the mouse
};

} // namespace map
