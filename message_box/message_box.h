#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The button sets the program's message boxes use.
enum class MessageButtons {
    Ok,
    CancelTryAgainContinue,  // "Отмена", "Повторить", "Продолжить"
};

// Shows a modal message box, titled «Ошибка» as every message of the
// program is, and waits until it is answered. The answer is not returned:
// no message of the program asks anything it acts upon.
void showMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon = QMessageBox::Warning,
                 MessageButtons buttons = MessageButtons::Ok);
