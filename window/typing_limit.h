#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

// The most characters a user may type, paste or drop into a field. Unlike
// QLineEdit's own maximum length, which also cuts what the program writes,
// it leaves alone the texts the program sets: a stored station read from
// the database is shown, and saved back, whole however long it is.
//
// Like the maximum length, it keeps only as much of an insertion as fits,
// and never lengthens a text that is already over the limit.
class TypingLimit : public QValidator {
public:
    // Watches `field`'s changes; the field owns the limit.
    TypingLimit(int limit, QLineEdit* field);

    State validate(QString& text, int& cursor) const override;

private:
    const int limit_;
    const QLineEdit* const field_;
    QString before_;  // the field's text before the change being validated
};
