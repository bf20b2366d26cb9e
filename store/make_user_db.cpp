// Creates a fresh station database: the own-station table with its seven text
// columns and one record with every column NULL. An existing file is left
// exactly as it is, so neither a rebuild nor a reinstall can wipe the
// operator's stored station.
//
//     make_user_db PATH
//
// Exit status: 0 when the file was created or already there, 1 on failure,
// 2 on wrong use.

#include "store/sql_identifier.h"
#include "store/user_db.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cstdio>

namespace {

void report(const QString& text)
{
    std::fprintf(stderr, "make_user_db: %s\n", qPrintable(text));
}

bool exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();  // a dangling link is not ours to replace
}

// Builds the database in `path`; returns the error text, empty on success.
QString build(const QString& path)
{
    const QString connection = QStringLiteral("make_user_db");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QStringList columns;
            for (const char* column : store::OwnStationColumns)
                columns << store::quotedIdentifier(QString::fromLatin1(column)) + QStringLiteral(" TEXT");
            const QString table = store::quotedIdentifier(QString::fromLatin1(store::OwnStationTable));
            const QStringList statements = {
                QStringLiteral("BEGIN"),
                QStringLiteral("CREATE TABLE %1 (%2)").arg(table, columns.join(QStringLiteral(", "))),
                QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table),
                QStringLiteral("COMMIT"),
            };
            for (const QString& sql : statements) {
                QSqlQuery query(db);
                if (!query.exec(sql)) {
                    error = query.lastError().text();
                    break;
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2 || args[1].isEmpty()) {
        report(QStringLiteral("укажите путь к создаваемому файлу: make_user_db ПУТЬ"));
        return 2;
    }
    const QString path = QFileInfo(args[1]).absoluteFilePath();
    if (exists(path))
        return 0;

    // Built under a side name and renamed only when complete, so an
    // interrupted run never leaves a half-made user.mdb that later runs would
    // keep. The rename does not replace a file that appeared meanwhile. The
    // name is this run's own: parallel builds make several databases into
    // one folder at once.
    const QString draft = path + QStringLiteral(".%1.new").arg(QCoreApplication::applicationPid());
    QFile::remove(draft);
    QFile::remove(draft + QStringLiteral("-journal"));
    const QString error = build(draft);
    if (!error.isEmpty()) {
        QFile::remove(draft);
        QFile::remove(draft + QStringLiteral("-journal"));
        report(QStringLiteral("не удалось создать файл %1: %2").arg(path, error));
        return 1;
    }
    if (!QFile::rename(draft, path)) {
        QFile::remove(draft);
        if (exists(path))
            return 0;
        report(QStringLiteral("не удалось создать файл %1.").arg(path));
        return 1;
    }
    return 0;
}
