#include "window/application.h"
#include "window/frmRaschet.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    frmRaschet window;
    window.show();
    return QApplication::exec();
}
