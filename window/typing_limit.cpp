#include "window/typing_limit.h"

#include <QLineEdit>

#include <algorithm>

TypingLimit::TypingLimit(int limit, QLineEdit* field)
    : QValidator(field), m_limit(limit), m_field(field), m_before(field->text())
{
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
}

QValidator::State TypingLimit::validate(QString& text, int& cursor) const
{
    // QLineEdit::setText clears the modified flag before it validates, and
    // every edit of the user's sets it.
    if (!m_field->isModified())
        return Acceptable;
    const qsizetype excess = text.size() - std::max<qsizetype>(m_limit, m_before.size());
    if (excess <= 0)
        return Acceptable;
    // An insertion ends at the cursor; what does not fit is dropped from its end.
    const qsizetype from = std::max<qsizetype>(cursor - excess, 0);
    text.remove(from, excess);
    cursor = int(from);
    return Acceptable;
}
