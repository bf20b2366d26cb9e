#pragma once

// How a window looks, told in words that hold on any machine: each control's
// place and size where the program sets them, its texts, font, colours,
// frame, state and focus. Glyphs as FreeType draws them, which change with
// the user's font configuration and the library's version, are left out; the
// compass, drawn without antialiasing, is compared pixel for pixel apart.

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

#include <utility>

namespace look {

inline QString quoted(const QString& text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('\n'), QStringLiteral("\\n")) + QLatin1Char('"');
}

// The colours the program may set, where they are not the parent's (the
// toolkit's for a window).
inline QString colours(const QWidget& widget)
{
    static const std::pair<QPalette::ColorRole, const char*> roles[] = {
        {QPalette::WindowText, "fg"}, {QPalette::Text, "text"}, {QPalette::Base, "base"}, {QPalette::Window, "bg"}};
    const QPalette usual = widget.isWindow() ? QApplication::palette(&widget) : widget.parentWidget()->palette();
    QString out;
    for (const auto& [role, name] : roles) {
        const QColor colour = widget.palette().color(QPalette::Active, role);
        if (colour != usual.color(QPalette::Active, role))
            out += QStringLiteral(" %1=%2").arg(QLatin1String(name), colour.name());
    }
    return out;
}

// The font, where it is not the parent's.
inline QString font(const QWidget& widget)
{
    const QFont f = widget.font();
    if (widget.parentWidget() && f == widget.parentWidget()->font())
        return {};
    return QStringLiteral(" font=%1/%2%3%4")
        .arg(quoted(f.families().value(0)))
        .arg(f.pointSizeF())
        .arg(f.bold() ? QStringLiteral("/bold") : QString(), f.italic() ? QStringLiteral("/italic") : QString());
}

inline QString content(const QWidget& widget)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return QStringLiteral(" text=%1 selected=%2+%3 cursor=%4")
            .arg(quoted(edit->text()))
            .arg(edit->selectionStart())
            .arg(edit->selectedText().size())
            .arg(edit->cursorPosition());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return QStringLiteral(" text=%1").arg(quoted(button->text()))
            + (button->isCheckable() ? QStringLiteral(" checked=%1").arg(button->isChecked()) : QString());
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QString shown = label->pixmap().isNull()
            ? QStringLiteral(" text=%1").arg(quoted(label->text()))
            : QStringLiteral(" picture=%1x%2").arg(label->pixmap().width()).arg(label->pixmap().height());
        return shown + QStringLiteral(" align=%1").arg(int(label->alignment()), 0, 16);
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget))
        return QStringLiteral(" title=%1").arg(quoted(box->title()));
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(&widget))
        return QStringLiteral(" text=%1").arg(quoted(spin->text()));
    return {};
}

// One line a control, its children indented below it.
inline void describe(const QWidget& widget, int depth, QStringList& lines)
{
    QString line = QString(2 * depth, QLatin1Char(' ')) + widget.objectName() + QLatin1Char(':')
        + QLatin1String(widget.metaObject()->className());
    const QLayout* layout = widget.parentWidget() ? widget.parentWidget()->layout() : nullptr;
    if (widget.isWindow())
        line += QStringLiteral(" title=%1").arg(quoted(widget.windowTitle()));
    // Where the program places it, not a layout after the fonts' measures.
    if (widget.isWindow() ? !widget.layout() : !layout || layout->indexOf(&widget) < 0)
        line += QStringLiteral(" at=%1,%2 size=%3x%4")
                    .arg(widget.x()).arg(widget.y()).arg(widget.width()).arg(widget.height());
    if (widget.isHidden())
        line += QStringLiteral(" hidden");
    if (!widget.isEnabled())
        line += QStringLiteral(" disabled");
    if (widget.window()->focusWidget() == &widget)
        line += QStringLiteral(" focus");
    if (const auto* frame = qobject_cast<const QFrame*>(&widget); frame && frame->frameShape() != QFrame::NoFrame)
        line += QStringLiteral(" frame=%1/%2").arg(frame->frameStyle(), 0, 16).arg(frame->lineWidth());
    line += content(widget) + font(widget) + colours(widget);
    if (!widget.toolTip().isEmpty())
        line += QStringLiteral(" tip=%1").arg(quoted(widget.toolTip()));
    lines << line;
    if (qobject_cast<const QAbstractSpinBox*>(&widget))
        return;  // its inner field is the toolkit's
    // Menus and dialogs are windows of their own, told when they are shown.
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
