#pragma once

// Helpers shared by the store tests: a connection of the test's own to look
// at a database file directly, and the tool that makes fresh files.

#include "store/user_db.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QtDebug>

namespace storetest {

inline QStringList columnNames()
{
    QStringList names;
    for (const char* column : store::ownStationColumns)
        names << QString::fromLatin1(column);
    return names;
}

// Runs one statement on an existing file through a separate connection and
// returns its rows; false (with a warning naming the error) when it fails.
inline bool runSql(const QString& path, const QString& statement, QList<QVariantList>* rows = nullptr,
                   const QVariantList& values = {})
{
    static int serial = 0;
    const QString name = QStringLiteral("storetest-direct-%1").arg(++serial);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // Read-write but never create: a test must not make a missing file appear.
        db.setDatabaseName(QStringLiteral("file://")
                           + QString::fromLatin1(QUrl::toPercentEncoding(path, "/"))
                           + QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        if (!db.open()) {
            qWarning() << "open" << path << db.lastError().text();
        } else {
            QSqlQuery query(db);
            ok = query.prepare(statement);
            for (const QVariant& value : values)
                query.addBindValue(value);
            ok = ok && query.exec();
            if (!ok)
                qWarning() << statement << query.lastError().text();
            while (ok && query.next()) {
                QVariantList row;
                for (int i = 0; i < query.record().count(); ++i)
                    row << query.value(i);
                if (rows)
                    rows->append(row);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// The seven columns of the first record: SQLite's type name of each value
// ("text", "null", ...) and the value as text. Empty lists: no record.
struct StoredRecord {
    QStringList types;
    QStringList texts;
    bool operator==(const StoredRecord& other) const
    {
        return types == other.types && texts == other.texts;
    }
};

inline char* toString(const StoredRecord& record)
{
    return qstrdup(qPrintable(QStringLiteral("types (%1) texts (%2)")
                                  .arg(record.types.join(QLatin1Char(',')),
                                       record.texts.join(QLatin1Char(',')))));
}

inline bool readFirstRecord(const QString& path, StoredRecord* record)
{
    QStringList selected;
    for (const QString& column : columnNames())
        selected << QStringLiteral("typeof(\"%1\"), \"%1\"").arg(column);
    QList<QVariantList> rows;
    if (!runSql(path,
                QStringLiteral("SELECT %1 FROM MyLocator ORDER BY rowid LIMIT 1")
                    .arg(selected.join(QStringLiteral(", "))),
                &rows))
        return false;
    *record = {};
    if (!rows.isEmpty()) {
        for (int i = 0; i < rows[0].size(); i += 2) {
            record->types << rows[0][i].toString();
            record->texts << rows[0][i + 1].toString();
        }
    }
    return true;
}

// A record of seven texts: NULL for an empty text, else the text.
inline StoredRecord textRecord(const QStringList& texts)
{
    StoredRecord record;
    for (const QString& text : texts) {
        record.types << (text.isEmpty() ? QStringLiteral("null") : QStringLiteral("text"));
        record.texts << text;
    }
    return record;
}

// Writes seven values into the first record; an empty text writes NULL.
inline bool writeFirstRecord(const QString& path, const QStringList& texts)
{
    QStringList assignments;
    QVariantList values;
    for (int i = 0; i < texts.size(); ++i) {
        assignments << QStringLiteral("\"%1\" = ?").arg(columnNames()[i]);
        values << (texts[i].isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(texts[i]));
    }
    return runSql(path,
                  QStringLiteral("UPDATE MyLocator SET %1 WHERE rowid = "
                                 "(SELECT min(rowid) FROM MyLocator)")
                      .arg(assignments.join(QStringLiteral(", "))),
                  nullptr, values);
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

// Runs make_user_db on a path; returns its exit code (-1 if it did not run).
inline int makeUserDb(const QStringList& arguments, QByteArray* errors = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral(AZIDAL_MAKE_USER_DB), arguments);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit)
        return -1;
    if (errors)
        *errors = tool.readAllStandardError();
    return tool.exitCode();
}

} // namespace storetest
