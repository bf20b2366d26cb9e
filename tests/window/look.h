#pragma once

// How a window looks, told in words that hold on any machine: each control's
// place and size where the program sets them, its texts, font, colours,
// frame, state and focus. Glyphs as FreeType draws them, which change with
// the user's font configuration and the library's version, are left out; the
// compass, drawn without antialiasing, is compared pixel for pixel apart.

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMetaProperty>

namespace look {

// The properties a control has of these, as their values read.
inline QString properties(const QWidget& widget)
{
    QString out;
    for (const char* name : {"windowTitle", "text", "title", "toolTip", "checked", "selectedText", "cursorPosition",
                             "alignment", "wordWrap", "frameShape", "frameShadow", "lineWidth"}) {
        const QMetaProperty property = widget.metaObject()->property(widget.metaObject()->indexOfProperty(name));
        const QString value = property.isValid() ? property.read(&widget).toString() : QString();
        // An empty text is told, an empty tooltip or selection is not.
        if (property.isValid() && (!value.isEmpty() || QByteArray(name) == "text")
            && (widget.isWindow() || QByteArray(name) != "windowTitle"))
            out += QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), QString(value).replace('\n', "\\n"));
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && !label->pixmap().isNull())
        out += QStringLiteral(" picture=%1x%2").arg(label->pixmap().width()).arg(label->pixmap().height());
    return out;
}

// The font and the colours a program may set, where they are not the
// parent's (the toolkit's for a window).
inline QString fontAndColours(const QWidget& widget)
{
    const QWidget* parent = widget.isWindow() ? nullptr : widget.parentWidget();
    QString out;
    if (const QFont f = widget.font(); !parent || f != parent->font())
        out += QStringLiteral(" font=\"%1\"/%2/%3/%4").arg(f.families().value(0)).arg(f.pointSizeF()).arg(f.weight())
                   .arg(f.italic());
    const QPalette usual = parent ? parent->palette() : QApplication::palette(&widget);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::Base, QPalette::Window})
        if (const QColor c = widget.palette().color(QPalette::Active, role); c != usual.color(QPalette::Active, role))
            out += QStringLiteral(" colour%1=%2").arg(int(role)).arg(c.name());
    return out;
}

// One line a control, its children indented below it. Menus and dialogs
// are windows of their own, told when they are shown.
inline void describe(const QWidget& widget, int depth, QStringList& lines)
{
    const QLayout* layout = widget.isWindow() ? widget.layout() : widget.parentWidget()->layout();
    const bool placed = widget.isWindow() ? !layout : !layout || layout->indexOf(&widget) < 0;
    lines << QString(2 * depth, ' ') + widget.objectName() + ':' + widget.metaObject()->className()
            + (placed ? QStringLiteral(" at=%1,%2,%3x%4").arg(widget.x()).arg(widget.y()).arg(widget.width())
                            .arg(widget.height())
                      : QString())
            + (widget.isHidden() ? " hidden" : "") + (widget.isEnabled() ? "" : " disabled")
            + (widget.window()->focusWidget() == &widget ? " focus" : "") + properties(widget) + fontAndColours(widget);
    if (qobject_cast<const QAbstractSpinBox*>(&widget))
        return;  // its inner field is the toolkit's
    for (const QObject* child : widget.children())
        if (const auto* w = qobject_cast<const QWidget*>(child); w && !w->isWindow())
            describe(*w, depth + 1, lines);
}

inline QStringList described(const QWidget& window)
{
    QStringList lines;
    describe(window, 0, lines);
    return lines;
}

} // namespace look
