#pragma once

#include "dxcc/beam_table.h"

#include <QByteArray>
#include <QPagedPaintDevice>
#include <QString>

#include <optional>
#include <vector>

namespace map {

// The beam-heading table on paper, the same for a PDF and a printer: as
// many pages of the device's size as the rows need, each headed by
// `heading` and the columns' names, rows in a small face on zebra stripes,
// figures to the right; a WAE-only entity's prefix marked '*', with the
// legend and the page's number at the foot of each page.
void paintBeamSheet(QPagedPaintDevice& device, const std::vector<dxcc::BeamRow>& rows, const QString& heading);

enum class BeamFormat { Csv, Pdf };

// By the file's extension: .csv, .pdf, in any case.
std::optional<BeamFormat> beamFormatOf(const QString& fileName);

// The table as a file of that format holds it, the same from the command
// and the window: CSV as dxcc writes it for a spreadsheet, or A4 pages.
QByteArray beamFile(const std::vector<dxcc::BeamRow>& rows, const QString& heading, BeamFormat format);

} // namespace map
