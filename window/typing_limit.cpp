#include "window/typing_limit.h"

#include <QLineEdit>

#include <algorithm>

TypingLimit::TypingLimit(int limit, QLineEdit* field)
    : QValidator(field), limit_(limit), field_(field), before_(field->text())
{
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

QValidator::State TypingLimit::validate(QString& text, int& cursor) const
{
    // QLineEdit::setText clears the modified flag before it validates, and
    // every edit of the user's sets it.
    if (!field_->isModified())
        return Acceptable;
    const qsizetype excess = text.size() - std::max<qsizetype>(limit_, before_.size());
    if (excess <= 0)
        return Acceptable;
    // An insertion ends at the cursor; what does not fit is dropped from its end.
    const qsizetype from = std::max<qsizetype>(cursor - excess, 0);
    text.remove(from, excess);
    cursor = int(from);
    return Acceptable;
}
