#pragma once

#include "dxcc/beam_table.h"

#include <QByteArray>
#include <QPagedPaintDevice>
#include <QString>

#include <vector>

namespace map {

// The beam-heading table on paper, the same for a PDF and a printer: as
// many pages of the device's size as the rows need, each headed by
// `heading` and the columns' names, rows in a small face on zebra stripes,
// figures to the right; a WAE-only entity's prefix marked '*', with the
// legend and the page's number at the foot of each page.
void paintBeamSheet(QPagedPaintDevice& device, const std::vector<dxcc::BeamRow>& rows, const QString& heading);

// The table as a PDF on A4, its bytes.
QByteArray beamSheetPdf(const std::vector<dxcc::BeamRow>& rows, const QString& heading);

} // namespace map
