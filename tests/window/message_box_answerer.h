#pragma once

// Modal boxes answered as a user answers them.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;  // as they stand, left to right
};

// Answers modal boxes from a timer and keeps what each one showed. Presses
// the button with the given caption, or the leftmost; any other modal
// window, such as About, is seen by its title and closed.
struct MessageBoxAnswerer : QObject {
    explicit MessageBoxAnswerer(const QString& press = {})
    {
        QObject::connect(&poll, &QTimer::timeout, this, [this, press] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (modal && !box)
                seen << SeenBox{modal->windowTitle(), {}, {}, {}};
            if (!box) {
                if (modal)
                    modal->close();
                return;
            }
            QList<QAbstractButton*> buttons = box->buttons();
            std::sort(buttons.begin(), buttons.end(), [box](QAbstractButton* a, QAbstractButton* b) {
                return a->mapTo(box, QPoint()).x() < b->mapTo(box, QPoint()).x();
            });
            seen << SeenBox{box->windowTitle(), box->text(), box->icon(), {}};
            QAbstractButton* chosen = buttons.first();
            for (QAbstractButton* button : buttons) {
                seen.last().buttons << button->text();
                chosen = button->text() == press ? button : chosen;
            }
            chosen->click();
        });
        poll.start(10);
    }
    QList<SeenBox> seen;
    QTimer poll;
};
