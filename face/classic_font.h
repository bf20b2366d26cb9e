#pragma once

#include <QFont>

// The face the windows and the map are drawn in: "Liberation Sans", metric-compatible with
// the classic Windows dialog font and with Cyrillic glyphs, or the default
// sans-serif where it is not installed.
QFont classicFont(qreal pointSize, bool bold = false, bool italic = false);
