// Every label of the map, in one placement: the stations', the rings', the
// grid's, the prefixes' and the log's counts, each kind in its own font.

#include "map/layers.h"

#include "geodesy/pi.h"
#include "map/map_style.h"

#include <QPainter>
#include <QStaticText>

#include <cmath>

namespace map::layers {
namespace {

bool onBox(LabelKind kind) { return kind == LabelKind::Own || kind == LabelKind::Correspondent; }

QColor colourOf(LabelKind kind)
{
    switch (kind) {
    case LabelKind::Grid:
        return style::GridLabel;
    case LabelKind::Prefix:
        return style::Prefix;
    case LabelKind::LogCount:
        return style::LogDot.darker(130);
    default:
        return style::Labels;
    }
}

// The white round the letters, that reads on land, on sea and under the
// night alike.
double haloOf(const QFont& font) { return std::max(1.0, font.pixelSize() / 9.0); }

// The point of the box nearest to another.
QPointF nearestOn(const QRectF& box, const QPointF& p)
{
    return {std::clamp(p.x(), box.left(), box.right()), std::clamp(p.y(), box.top(), box.bottom())};
}

} // namespace

std::array<QFont, 6> labelFonts(const QFont& font)
{
    const auto scaled = [&font](double factor, bool bold) {
        QFont f = font;
        f.setPixelSize(std::max(9, int(std::lround(font.pixelSize() * factor))));
        f.setBold(bold);
        return f;
    };
    // By LabelKind: the stations' and the rings' in the picture's font.
    return {font, font, font, scaled(0.85, false), scaled(0.9, true), scaled(0.8, true)};
}

const QStaticText& LabelTexts::of(const QFont& font, const QString& text)
{
    // A map's worth of labels in a few sizes; past that, anew.
    if (laidOut_.size() > 20000)
        laidOut_.clear();
    QStaticText& laid = laidOut_[font.key() + QLatin1Char('\n') + text];
    if (laid.text().isEmpty()) {
        laid.setText(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
    }
    return laid;
}

QRectF View::box(LabelKind kind, const QString& text, const QPointF& centre) const
{
    const QFont& font = fonts[std::size_t(kind)];
    const double room = onBox(kind) ? 2 : haloOf(font);
    QRectF box(QPointF(), texts->of(font, text).size() + QSizeF(2 * room, 0));
    box.moveCenter(centre);
    return box;
}

void LabelSet::wish(LabelKind kind, const QString& text, LabelWish wish, const dxcc::Entity* entity)
{
    MapLabel label{kind, text, wish.anchor, {}, false, entity};
    labels_.push_back(std::move(label));
    wishes_.push_back(std::move(wish));
}

std::vector<MapLabel> LabelSet::place(const View& view) const
{
    std::vector<MapLabel> placed;
    for (const PlacedLabel& set : placeLabels(wishes_, occupied_, view.centre, view.discRadius)) {
        MapLabel label = labels_[set.wish];
        label.box = set.box;
        label.leader = set.leader;
        placed.push_back(std::move(label));
    }
    return placed;
}

void paintLabels(QPainter& painter, const View& view, const std::vector<MapLabel>& labels)
{
    painter.save();
    painter.setPen(devicePen(style::Labels, 1));
    for (const MapLabel& label : labels)
        if (label.leader)
            painter.drawLine(label.anchor, nearestOn(label.box, label.anchor));
    for (const MapLabel& label : labels) {
        const QFont& font = view.fonts[std::size_t(label.kind)];
        painter.setFont(font);
        const QStaticText& text = view.texts->of(font, label.text);
        const QPointF at = label.box.center() - QPointF(text.size().width(), text.size().height()) / 2;
        if (onBox(label.kind)) {
            painter.fillRect(label.box, QColor(255, 255, 255, 200));
        } else {
            const double halo = haloOf(font);
            painter.setPen(style::Paper);
            for (int i = 0; i < 8; ++i) {
                const double a = i * geodesy::TruePi / 4;
                painter.drawStaticText(at + halo * QPointF(std::cos(a), std::sin(a)), text);
            }
        }
        painter.setPen(colourOf(label.kind));
        painter.drawStaticText(at, text);
    }
    painter.restore();
}

} // namespace map::layers
