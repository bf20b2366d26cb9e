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
    window.show();
    return QApplication::exec();
}
