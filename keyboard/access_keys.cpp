#include "keyboard/access_keys.h"

#include "keyboard/same_key.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace keyboard {

namespace {

// The letter of a key event, in upper case: from its text, or from its key
// where the platform gives no text with Alt.
char32_t letterOf(const QKeyEvent& key)
{
    const QString text = key.text();
    if (text.size() == 1 && text.front().isLetter())
        return text.front().toUpper().unicode();
    const int code = key.key();
    return QChar::isLetter(char32_t(code)) ? QChar::toUpper(char32_t(code)) : 0;
}

// The same key's letter on the other layout.
char32_t twinOf(char32_t letter)
{
    if (const char latin = latinOnSameKey(letter))
        return QChar::toUpper(char32_t(latin));
    return russianOnSameKey(letter);
}

bool hasAccessKey(const QString& caption, char32_t letter)
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    return !key.isEmpty() && char32_t(key[0].key()) == letter;
}

// What a caption's access key reaches in the window: a button, or the field
// a caption names; the first that can take it.
QWidget* accessKeyTarget(QWidget* window, char32_t letter)
{
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->window() != window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && hasAccessKey(button->text(), letter))
            return button;
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy() && hasAccessKey(label->text(), letter))
            return label->buddy();
    }
    return nullptr;
}

// As the access key itself would: a button is clicked, a field takes the
// focus.
void press(QWidget* target)
{
    if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->animateClick();
    else
        target->setFocus(Qt::ShortcutFocusReason);
}

bool takesText(const QObject* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
        || qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

} // namespace

// Only a key press that no shortcut took reaches here: an access key of the
// active layout has already done its work.
bool AccessKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::AltModifier)
        return false;
    const char32_t letter = letterOf(*key);
    if (!letter)
        return false;
    if (const char32_t twin = twinOf(letter))
        if (QWidget* target = accessKeyTarget(static_cast<QWidget*>(watched)->window(), twin)) {
            press(target);
            return true;
        }
    return takesText(watched);
}

} // namespace keyboard
