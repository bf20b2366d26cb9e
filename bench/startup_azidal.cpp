// The program's own start-up: application set-up, the main window with its
// station database, shown until its first paint.

#include "startup_first_paint.h"

#include "window/application.h"
#include "window/frmRaschet.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    frmRaschet window;
    QuitAtFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
