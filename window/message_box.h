#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The button sets the program's message boxes use.
enum class MessageButtons {
    Ok,
    CancelTryAgainContinue,  // "Отмена", "Повторить", "Продолжить"
};

// Shows a modal message box and waits until it is answered. The answer is not
// returned: no message of the program asks anything it acts upon.
void showMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon,
                 MessageButtons buttons);
