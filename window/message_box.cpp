#include "window/message_box.h"

void showMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon,
                 MessageButtons buttons)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    switch (buttons) {
    case MessageButtons::Ok:
        box.addButton(QMessageBox::Ok);
        break;
    case MessageButtons::CancelTryAgainContinue:
        box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
        box.addButton(QStringLiteral("Повторить"), QMessageBox::AcceptRole);
        box.setDefaultButton(box.addButton(QStringLiteral("Продолжить"), QMessageBox::AcceptRole));
        break;
    }
    box.exec();
}
