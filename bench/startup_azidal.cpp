// The program's own start-up: application set-up, the main window with its
// station database, shown until its first paint.

#include "startup_first_paint.h"

#include "face/font_config.h"
#include "face/image_plugins.h"
#include "window/application.h"
#include "window/frmRaschet.h"

#include <QApplication>

#include <utility>

int main(int argc, char* argv[])
{
    std::future<void> fontConfig = startReadingFontConfig();
    QApplication app(argc, argv);
    std::future<void> imagePlugins = startLoadingImagePlugins();
    prepareApplication(app, std::move(fontConfig));
    frmRaschet window;
    QuitAtFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    const int status = QApplication::exec();  // returns once the first paint is done
    printPaintEnded();
    return status;
}
