#include "face/classic_font.h"

#include <QStringList>

QFont classicFont(qreal pointSize, bool bold, bool italic)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont dialogFont(qreal pointSize, bool bold, bool italic)
{
    QFont font = classicFont(pointSize, bold, italic);
    // Unshaped, which Latin and Cyrillic do not need: this also spares each
    // face its shaping tables at its first text, over a millisecond of the
    // main window's start-up.
    font.setStyleStrategy(QFont::PreferNoShaping);
    // Each letter on a whole pixel, as the classic dialogs laid them: a glyph
    // is then drawn once, not once for each fraction of a pixel it starts
    // at, 2.6 million instructions of the main window's first paint.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
