#include "store/failure_text.h"

#include <QFileInfo>
#include <QSqlError>

namespace store {
namespace {

enum class Cause { None, FileMissing, NoAccess, NotADatabase, Locked, DiskFull, NoTableOrColumn };

// SQLite's primary result codes, as the Qt driver reports them.
enum SqliteCode {
    Error = 1, Perm = 3, Busy = 5, Locked_ = 6, ReadOnly = 8, Corrupt = 11, Full = 13, CantOpen = 14,
    Auth = 23, NotADb = 26,
};

Cause causeOf(const QSqlError& error, const QString& path)
{
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;  // extended codes keep it low
    if (!isNumber)
        return Cause::None;
    switch (code) {
    case CantOpen: return QFileInfo::exists(path) ? Cause::NoAccess : Cause::FileMissing;
    case Perm:
    case Auth:
    case ReadOnly: return Cause::NoAccess;
    case Corrupt:
    case NotADb: return Cause::NotADatabase;
    case Busy:
    case Locked_: return Cause::Locked;
    case Full: return Cause::DiskFull;
    case Error:
        // The one way SQLite tells a missing table or column from its other errors.
        if (error.databaseText().startsWith(QLatin1String("no such table"))
            || error.databaseText().startsWith(QLatin1String("no such column")))
            return Cause::NoTableOrColumn;
        return Cause::None;
    default: return Cause::None;
    }
}

QString sentence(Cause cause, const QString& table)
{
    switch (cause) {
    case Cause::FileMissing:
        return QStringLiteral("Такого файла нет: его удалили, переименовали или перенесли.");
    case Cause::NoAccess:
        return QStringLiteral("Нет прав на этот файл или его папку, или они доступны только для чтения.");
    case Cause::NotADatabase:
        return QStringLiteral("Это не база данных станции, или файл повреждён.");
    case Cause::Locked:
        return QStringLiteral("Файл занят другой программой; закройте её и повторите.");
    case Cause::DiskFull:
        return QStringLiteral("На диске не осталось места.");
    case Cause::NoTableOrColumn:
        return QStringLiteral("В файле нет таблицы %1 или одного из её столбцов.").arg(table);
    case Cause::None:
        break;
    }
    return {};
}

QString databaseText(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("неизвестная ошибка");
    return text;
}

} // namespace

QString failureText(const QSqlError& error, const QString& path, const QString& table, const QString& noFile)
{
    const Cause kind = causeOf(error, path);
    if (kind == Cause::FileMissing && !noFile.isEmpty())
        return noFile;
    const QString cause = sentence(kind, table);
    return cause.isEmpty() ? databaseText(error) : cause + QStringLiteral(" (") + databaseText(error) + QLatin1Char(')');
}

} // namespace store
