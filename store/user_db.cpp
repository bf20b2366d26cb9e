#include "store/user_db.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace store {

StationLocation stationLocation(const QString& programDir, const QString& templatePath, const QString& userDataDir)
{
    const QString besideProgram = QDir(programDir).filePath(QLatin1String(UserDbFileName));
    if (QFileInfo::exists(besideProgram))
        return {besideProgram, {}};

    const QString own = QDir(userDataDir).filePath(QLatin1String(UserDbFileName));
    if (QFileInfo::exists(own))
        return {own, {}};
    if (!QFileInfo::exists(templatePath)) {
        return {own, QStringLiteral("Файла станции нет ни рядом с программой (%1), ни у пользователя (%2), и нет "
                                    "шаблона %3, из которого делается копия пользователя.\nПоложите user.mdb "
                                    "рядом с программой или переустановите программу, чтобы шаблон был на месте.")
                         .arg(QDir::toNativeSeparators(besideProgram), QDir::toNativeSeparators(own),
                              QDir::toNativeSeparators(templatePath))};
    }
    if (QDir().mkpath(userDataDir) && QFile::copy(templatePath, own)) {
        // The installed template is read-only; the user's copy is for saving.
        QFile::setPermissions(own, QFile::permissions(own) | QFile::ReadOwner | QFile::WriteOwner);
    }
    // Where the copy could not be made, the user is told of a missing file
    // at this path when the station is read.
    return {own, {}};
}

StationLocation stationLocation()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    return stationLocation(programDir,
                           QDir(programDir).filePath(QStringLiteral(AZIDAL_TEMPLATE_DIR "/")
                                                     + QLatin1String(UserDbFileName)),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace store
