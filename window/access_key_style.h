#pragma once

#include <QProxyStyle>

// The program's style: the platform's own, except that an access key's
// underline stands a pixel clear of its letter. Qt draws it where the font
// puts it, right under the baseline, where under a bold Л it runs into the
// letter's feet and the two read as a Д.
class AccessKeyStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Over the style of that name.
    explicit AccessKeyStyle(const QString& base);

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole) const override;
};
