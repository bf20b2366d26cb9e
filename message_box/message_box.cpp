#include "message_box/message_box.h"

#include <QPushButton>

void showMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon, MessageButtons buttons)
{
    QMessageBox box(icon, QStringLiteral("Ошибка"), text, QMessageBox::NoButton, parent);
    switch (buttons) {
    case MessageButtons::Ok:
        box.addButton(QMessageBox::Ok);
        break;
    case MessageButtons::CancelTryAgainContinue:
        // One role for all three keeps them in this order, left to right,
        // whatever order the platform gives the roles.
        box.setEscapeButton(box.addButton(QStringLiteral("Отмена"), QMessageBox::ActionRole));
        box.addButton(QStringLiteral("Повторить"), QMessageBox::ActionRole);
        box.setDefaultButton(box.addButton(QStringLiteral("Продолжить"), QMessageBox::ActionRole));
        break;
    }
    box.exec();
}
