#include "window/application.h"

#include "keyboard/access_keys.h"
#include "face/classic_font.h"
#include "face/picture.h"
#include "store/user_db.h"
#include "threads/both_at_once.h"
#include "window/access_key_style.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QStyle>
#include <QTranslator>

void prepareApplication(QApplication& application, std::future<void> fontConfig)
{
    // Names where each user's station database lives when the program is
    // installed system-wide, and its settings.
    QApplication::setApplicationName(QString::fromLatin1(store::ApplicationName));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(AZIDAL_APP_ID));

    // The standard buttons of the message boxes in Russian.
    auto* qtTranslator = new QTranslator(&application);
    if (qtTranslator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);

    // Every window's icon, the message boxes' too.
    QApplication::setWindowIcon(QIcon(ownPicture(QStringLiteral(":/azidal.png"))));

    // Message boxes in the windows' face too; set before any text is laid
    // out, so that no other face is loaded.
    threads::waitFor(fontConfig);
    QApplication::setFont(dialogFont(8.25));

    // The style the user's desktop chose, with access keys that read right.
    QApplication::setStyle(new AccessKeyStyle(QApplication::style()->name()));

    // Access keys from the Latin layout too, and no Alt chord typed.
    if (!application.findChild<keyboard::AccessKeys*>())
        application.installEventFilter(new keyboard::AccessKeys(&application));
}
