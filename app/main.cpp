#include "face/font_config.h"
#include "window/application.h"
#include "window/frmRaschet.h"

#include <QApplication>

#include <utility>

int main(int argc, char* argv[])
{
    std::future<void> fontConfig = startReadingFontConfig();
    QApplication app(argc, argv);
    prepareApplication(app, std::move(fontConfig));
    frmRaschet window;
    window.show();
    return QApplication::exec();
}
