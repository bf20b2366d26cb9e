#pragma once

// Answers the program's modal message boxes from a timer, the way a user
// would, and keeps what each box showed. Any other modal window is closed.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

class MessageBoxAnswerer : public QObject {
public:
    // Presses the button with this caption, or the first one when the box
    // has none such.
    explicit MessageBoxAnswerer(QString press = {})
        : press(std::move(press))
    {
        QObject::connect(&poll, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
        poll.start(10);
    }

    QList<SeenBox> seen;

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {  // another window, such as About: seen by its title, then closed
            seen << SeenBox{modal->windowTitle(), {}, QMessageBox::NoIcon, {}};
            modal->close();
            return;
        }
        SeenBox s{box->windowTitle(), box->text(), box->icon(), {}};
        QAbstractButton* chosen = nullptr;
        QList<QAbstractButton*> buttons = box->buttons();  // as they stand, left to right
        std::sort(buttons.begin(), buttons.end(), [box](QAbstractButton* a, QAbstractButton* b) {
            return a->mapTo(box, QPoint()).x() < b->mapTo(box, QPoint()).x();
        });
        for (QAbstractButton* button : buttons) {
            s.buttons << button->text();
            if (button->text() == press)
                chosen = button;
        }
        if (!chosen)
            chosen = box->buttons().first();
        seen << s;
        chosen->click();
    }

    QString press;
    QTimer poll;
};
