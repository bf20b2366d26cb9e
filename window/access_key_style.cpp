#include "window/access_key_style.h"

#include <QFontMetrics>
#include <QPainter>

AccessKeyStyle::AccessKeyStyle(const QString& base)
    : QProxyStyle(base)
{
}

void AccessKeyStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                                  bool enabled, const QString& text, QPalette::ColorRole textRole) const
{
    // The text as shown, "&&" as "&", and where its access key stands.
    QString shown;
    qsizetype key = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
            if (text[i] != QLatin1Char('&') && key < 0)
                key = shown.size();
        }
        shown += text[i];
    }
    if (key < 0 || !(flags & Qt::TextShowMnemonic) || shown.contains(QLatin1Char('\n'))) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    QProxyStyle::drawItemText(painter, rect, (flags & ~Qt::TextShowMnemonic) | Qt::TextHideMnemonic, palette,
                              enabled, text, textRole);

    // Below the letter's lowest pixel, one pixel of background, then the line.
    const QFontMetrics metrics(painter->font());
    const QRect drawn = itemTextRect(metrics, rect, flags, enabled, shown);
    const int baseline = drawn.top() + metrics.ascent();
    const int below = qMax(metrics.underlinePos(), metrics.boundingRect(shown[key]).bottom() + 2);
    const QRect line(drawn.left() + metrics.horizontalAdvance(shown.left(key)), baseline + below,
                     metrics.horizontalAdvance(shown[key]), metrics.lineWidth());
    painter->fillRect(line, textRole == QPalette::NoRole ? painter->pen().color() : palette.color(textRole));
}
