#include "settings/settings_file.h"

#include <QCoreApplication>

QSettings settingsFile()
{
    return QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName());
}
