#pragma once

#include "dxcc/beam_table.h"

#include <QString>

#include <vector>

// The beam-heading table written to a file, its format by the name's
// extension: .csv as dxcc writes it for a spreadsheet, .pdf the pages the
// command prints. The user's words for why not, or nothing.
QString saveBeamTable(const QString& fileName, const std::vector<dxcc::BeamRow>& rows, const QString& heading);
