// The yardstick: a bare window of the same size with the main window's
// controls, as many of each kind, in Qt's own font and style, shown until
// its first paint: two frames, the twelve lines of their grids, labels,
// line edits and buttons (two of each hidden, as in the window) and a
// sunken picture box.

#include "startup_first_paint.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(515, 404);
    for (int i = 0; i < 2; ++i)
        (new QGroupBox(QStringLiteral("Рамка"), &window))->setGeometry(8, 8 + i * 176, 233, 169);
    for (int i = 0; i < 12; ++i)
        (new QFrame(&window))->setGeometry(10 + i * 8, 300, 1, 80);
    for (int i = 0; i < 14; ++i)
        (new QLineEdit(&window))->setGeometry(10 + (i % 7) * 40, 10 + (i / 7) * 30, 35, 20);
    for (int i = 0; i < 18; ++i) {
        auto* label = new QLabel(QStringLiteral("Метка"), &window);
        label->move(10 + (i % 9) * 45, 100 + (i / 9) * 30);
        label->setHidden(i >= 16);
    }
    for (int i = 0; i < 8; ++i) {
        auto* button = new QPushButton(QStringLiteral("Кнопка"), &window);
        button->move(10 + i * 60, 200);
        button->setHidden(i >= 6);
    }
    auto* pictureBox = new QFrame(&window);
    pictureBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pictureBox->setGeometry(264, 152, 233, 233);
    QuitAtFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    const int status = QApplication::exec();  // returns once the first paint is done
    printPaintEnded();
    return status;
}
