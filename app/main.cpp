#include "window/frmRaschet.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Names the user's data directory (~/.local/share/azidal), where a
    // system-wide install keeps each user's station database.
    QApplication::setApplicationName(QStringLiteral("azidal"));

    // Qt's own texts (standard buttons of the message boxes) in Russian.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QApplication::setWindowIcon(QIcon(QStringLiteral(":/azidal.png")));

    frmRaschet window;
    window.show();
    return QApplication::exec();
}
