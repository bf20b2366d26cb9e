#include "map/beam_sheet.h"

#include "face/classic_font.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace map {

namespace {

constexpr std::size_t ColumnCount = std::size(dxcc::BeamColumns);
constexpr std::size_t NameColumn = 1;  // takes what the others leave
const QColor Stripe(236, 236, 236);
const QColor Rule(120, 120, 120);

// Words to the left, figures to the right, as in the text.
bool rightAligned(std::size_t column) { return column >= 3 && column <= 7; }

using Cells = std::array<QString, ColumnCount>;

Cells cellsOf(const std::vector<std::string>& texts)
{
    Cells cells;
    for (std::size_t i = 0; i < ColumnCount; ++i)
        cells[i] = QString::fromStdString(texts[i]);
    return cells;
}

} // namespace

void paintBeamSheet(QPagedPaintDevice& device, const std::vector<dxcc::BeamRow>& rows, const QString& heading)
{
    const QFont headingFont = classicFont(9, true);
    const QFont headFont = classicFont(7.5, true);
    const QFont bodyFont = classicFont(7.5);
    const QFontMetricsF body(bodyFont, &device);
    const QFontMetricsF head(headFont, &device);
    const QRectF page(0, 0, device.width(), device.height());

    Cells names;
    for (std::size_t i = 0; i < ColumnCount; ++i)
        names[i] = QString::fromUtf8(dxcc::BeamColumns[i].data(), qsizetype(dxcc::BeamColumns[i].size()));
    std::vector<Cells> cells;
    cells.reserve(rows.size());
    bool anyWae = false;
    for (const dxcc::BeamRow& row : rows) {
        cells.push_back(cellsOf(dxcc::beamCells(row)));
        anyWae = anyWae || row.entity->waeOnly;
    }

    // Each column as wide as its widest cell, the name's the rest of the line.
    const qreal gap = body.averageCharWidth() * 1.5;
    std::array<qreal, ColumnCount> widths{};
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        widths[i] = head.horizontalAdvance(names[i]);
        for (const Cells& row : cells)
            widths[i] = std::max(widths[i], body.horizontalAdvance(row[i]));
    }
    qreal others = 0;
    for (std::size_t i = 0; i < ColumnCount; ++i)
        if (i != NameColumn)
            others += widths[i] + gap;
    widths[NameColumn] = std::max<qreal>(page.width() - others - gap, head.horizontalAdvance(names[NameColumn]));

    QPainter painter(&device);
    painter.setFont(headingFont);
    const QRectF headingRect = painter.boundingRect(page, Qt::TextWordWrap, heading);
    const qreal rowHeight = body.height() * 1.3;
    const qreal tableTop = headingRect.height() + rowHeight * 0.5;
    const qreal footHeight = rowHeight * 1.5;
    const auto perPage = std::max<std::size_t>(1, std::size_t((page.height() - tableTop - footHeight) / rowHeight) - 1);
    const std::size_t pages = std::max<std::size_t>(1, (cells.size() + perPage - 1) / perPage);

    const auto drawRow = [&](const Cells& row, qreal top) {
        qreal left = gap / 2;
        for (std::size_t i = 0; i < ColumnCount; ++i) {
            const QRectF cell(left, top, widths[i], rowHeight);
            const QString text = i == NameColumn ? body.elidedText(row[i], Qt::ElideRight, widths[i]) : row[i];
            painter.drawText(cell, Qt::AlignVCenter | (rightAligned(i) ? Qt::AlignRight : Qt::AlignLeft), text);
            left += widths[i] + gap;
        }
    };
    for (std::size_t pageIndex = 0; pageIndex < pages; ++pageIndex) {
        if (pageIndex > 0)
            device.newPage();
        painter.setPen(Qt::black);
        painter.setFont(headingFont);
        painter.drawText(page, Qt::TextWordWrap, heading);
        painter.setFont(headFont);
        drawRow(names, tableTop);
        painter.setPen(QPen(Rule, 0));
        painter.drawLine(QPointF(0, tableTop + rowHeight), QPointF(page.width(), tableTop + rowHeight));
        painter.setFont(bodyFont);
        const std::size_t first = pageIndex * perPage;
        const std::size_t last = std::min(cells.size(), first + perPage);
        for (std::size_t i = first; i < last; ++i) {
            const qreal top = tableTop + rowHeight * qreal(i - first + 1);
            if ((i - first) % 2 == 1)
                painter.fillRect(QRectF(0, top, page.width(), rowHeight), Stripe);
            painter.setPen(Qt::black);
            drawRow(cells[i], top);
        }
        const QRectF foot(0, page.height() - footHeight, page.width(), footHeight);
        painter.setPen(QPen(Rule, 0));
        painter.drawLine(foot.topLeft(), foot.topRight());
        painter.setPen(Qt::black);
        if (anyWae)
            painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("* — только для WAE"));
        painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("лист %1 из %2").arg(pageIndex + 1).arg(pages));
    }
}

std::optional<BeamFormat> beamFormatOf(const QString& fileName)
{
    const QString name = fileName.toLower();
    if (name.endsWith(QLatin1String(".csv")))
        return BeamFormat::Csv;
    if (name.endsWith(QLatin1String(".pdf")))
        return BeamFormat::Pdf;
    return std::nullopt;
}

QByteArray beamFile(const std::vector<dxcc::BeamRow>& rows, const QString& heading, BeamFormat format)
{
    if (format == BeamFormat::Csv)
        return QByteArray::fromStdString(dxcc::beamTableCsv(rows));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(heading);
        pdf.setCreator(QStringLiteral("azidal"));
        paintBeamSheet(pdf, rows, heading);
    }
    return bytes;
}

} // namespace map
