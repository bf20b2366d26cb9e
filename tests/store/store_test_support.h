#pragma once

// Helpers shared by the store tests: the tool that makes station files, a
// connection of the tests' own to look into a file, and a user for whom
// file permissions apply.

#include "store/user_db.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtDebug>

#include <pwd.h>
#include <unistd.h>

namespace storetest {

// Runs make_user_db on a path: its exit code, or -1 if it did not finish.
inline int makeUserDb(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral(AZIDAL_MAKE_USER_DB), {path});
    return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

// Runs one statement on a file; the first column of each row it returns.
inline bool runSql(const QString& path, const QString& sql, QStringList* rows = nullptr)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("storetest"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        ok = ok && query.exec(sql);
        if (!ok)
            qWarning() << sql << db.lastError().text() << query.lastError().text();
        while (ok && rows && query.next())
            *rows << query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("storetest"));
    return ok;
}

// Every record of the station table, first record first, as SQLite quotes
// it: 'text', NULL, or a bare number for a value not stored as text.
inline QStringList storedRecords(const QString& path)
{
    QStringList columns, rows;
    for (const char* column : store::ownStationColumns)
        columns << QStringLiteral("quote(%1)").arg(QLatin1String(column));
    runSql(path, "SELECT " + columns.join(" || ', ' || ") + " FROM MyLocator ORDER BY rowid", &rows);
    return rows;
}

// Seven texts as storedRecords() shows them when stored right: empty as NULL.
inline QString quoted(QStringList texts)
{
    for (QString& text : texts)
        text = text.isEmpty() ? QStringLiteral("NULL") : "'" + text.replace("'", "''") + "'";
    return texts.join(QStringLiteral(", "));
}

// Writes seven texts into every record, an empty one as NULL.
inline bool writeRecord(const QString& path, const QStringList& texts)
{
    return runSql(path, "UPDATE MyLocator SET (H1G, H1M, H1S, D1G, D1M, D1S, AZIDAL) = (" + quoted(texts) + ")");
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Root passes every permission check: while this lives, the real and the
// effective user are "nobody", so that read-only files and directories
// refuse writes. Any other user has nothing to drop.
class Unprivileged {
public:
    Unprivileged()
    {
        const passwd* nobody = m_uid == 0 ? getpwnam("nobody") : nullptr;
        if (m_uid == 0 && !(nobody && setresgid(nobody->pw_gid, nobody->pw_gid, -1) == 0
                            && setresuid(nobody->pw_uid, nobody->pw_uid, -1) == 0))
            m_reason = QStringLiteral("cannot become the user \"nobody\"");
    }
    ~Unprivileged()
    {
        if (m_uid == 0 && (setresuid(0, 0, -1) != 0 || setresgid(m_gid, m_gid, -1) != 0))
            qFatal("cannot return to root");
    }
    bool ready() const { return m_reason.isEmpty(); }
    QString reason() const { return m_reason; }

private:
    const uid_t m_uid = geteuid();
    const gid_t m_gid = getegid();
    QString m_reason;
};

} // namespace storetest
