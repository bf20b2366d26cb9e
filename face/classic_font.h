#pragma once

#include <QFont>

// The face the windows and the map are drawn in: "Liberation Sans", metric-compatible with
// the classic Windows dialog font and with Cyrillic glyphs, or the default
// sans-serif where it is not installed.
QFont classicFont(qreal pointSize, bool bold = false, bool italic = false);

// The same face as the windows' controls show it: spaced letter by letter,
// each letter on a whole pixel, without kerning or ligatures, as the classic
// dialogs drew their texts.
QFont dialogFont(qreal pointSize, bool bold = false, bool italic = false);
