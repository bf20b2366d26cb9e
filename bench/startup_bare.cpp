// The yardstick: a bare window of the same size with as many line edits,
// labels and buttons as the main window, shown until its first paint.

#include "startup_first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(515, 404);
    for (int i = 0; i < 14; ++i)
        (new QLineEdit(&window))->setGeometry(10 + (i % 7) * 40, 10 + (i / 7) * 30, 35, 20);
    for (int i = 0; i < 22; ++i)
        (new QLabel(QStringLiteral("Метка"), &window))->move(10 + (i % 11) * 45, 100 + (i / 11) * 30);
    for (int i = 0; i < 6; ++i)
        (new QPushButton(QStringLiteral("Кнопка"), &window))->move(10 + i * 80, 200);
    QuitAtFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    const int status = QApplication::exec();  // returns once the first paint is done
    printPaintEnded();
    return status;
}
