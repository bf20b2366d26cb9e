#include "store/user_db.h"

#include <QCoreApplication>

namespace store {

QString stationDatabasePath()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(userDbFileName);
}

} // namespace store
