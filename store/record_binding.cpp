#include "store/record_binding.h"

#include "store/failure_text.h"
#include "store/sql_identifier.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <atomic>

namespace store {
namespace {

QString uniqueConnectionName()
{
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("azidal-store-%1").arg(++counter);
}

// The URI form is what lets "mode=rw" refuse to create a missing file. The
// path is percent-encoded so that "?", "#" or "%" in a directory name stay
// part of the path instead of starting URI parameters.
QString databaseUri(const QString& path)
{
    QString absolute = QFileInfo(path).absoluteFilePath();
    if (!absolute.startsWith(QLatin1Char('/')))
        absolute.prepend(QLatin1Char('/'));  // drive-letter paths
    return QStringLiteral("file://")
           + QString::fromLatin1(QUrl::toPercentEncoding(absolute, "/"))
           + QStringLiteral("?mode=rw");
}

const QString NotConfigured = QStringLiteral("\nНе указаны файл базы данных или таблица.");

// Runs one statement with bound values; an invalid error means success.
QSqlError execute(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {},
                  int* rowsAffected = nullptr)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return query.lastError();
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return query.lastError();
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    return QSqlError();
}

// The driver is loaded on the first read or save, not when the binding is
// made: loading it is the dearest part of the window's start-up.
QSqlDatabase connectionFor(const QString& connection)
{
    if (QSqlDatabase::contains(connection))
        return QSqlDatabase::database(connection, false);
    return QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
}

// The binding's connection, open for one read or save and closed afterwards.
class OpenDatabase {
public:
    OpenDatabase(const QString& connection, const QString& path, int busyTimeout)
        : db_(connectionFor(connection))
    {
        db_.setDatabaseName(databaseUri(path));
        db_.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout));
        open_ = db_.open();
    }
    ~OpenDatabase() { db_.close(); }
    OpenDatabase(const OpenDatabase&) = delete;
    OpenDatabase& operator=(const OpenDatabase&) = delete;

    bool isOpen() const { return open_; }
    const QSqlDatabase& db() const { return db_; }

private:
    QSqlDatabase db_;
    bool open_ = false;
};

} // namespace

RecordBinding::RecordBinding(QObject* parent)
    : QObject(parent), connection_(uniqueConnectionName())
{
}

RecordBinding::~RecordBinding()
{
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::removeDatabase(connection_);
}

Result RecordBinding::failure(const QString& what, const QSqlError& error) const
{
    return Result::failure(what + QLatin1Char('\n') + failureText(error, databaseName_, recordSource_, noFile_));
}

void RecordBinding::setDatabaseName(const QString& path, const QString& noFile)
{
    databaseName_ = path;
    noFile_ = noFile;
}
void RecordBinding::setRecordSource(const QString& table) { recordSource_ = table; }
void RecordBinding::setBusyTimeout(int milliseconds) { busyTimeout_ = std::max(0, milliseconds); }

void RecordBinding::bind(QLineEdit* field, const QString& column)
{
    if (!field)
        return;
    for (Binding& binding : bindings_) {
        if (binding.field == field) {
            binding.column = column;
            return;
        }
    }
    bindings_.push_back({field, column});
}

std::vector<RecordBinding::Binding> RecordBinding::liveBindings()
{
    bindings_.erase(std::remove_if(bindings_.begin(), bindings_.end(),
                                    [](const Binding& b) { return b.field.isNull(); }),
                     bindings_.end());
    return bindings_;
}

Result RecordBinding::refresh()
{
    const QString what = QStringLiteral("Не удалось прочитать свою станцию из файла %1.")
                             .arg(QDir::toNativeSeparators(databaseName_));
    if (databaseName_.isEmpty() || recordSource_.isEmpty())
        return Result::failure(what + NotConfigured);

    const std::vector<Binding> bindings = liveBindings();
    const QString table = quotedIdentifier(recordSource_);

    // Columns are qualified with the table: SQLite takes an unknown bare
    // "name" for a string literal, which would show the column's name as its
    // value instead of reporting the missing column.
    QStringList columns{QStringLiteral("rowid")};
    for (const Binding& binding : bindings)
        columns << table + QLatin1Char('.') + quotedIdentifier(binding.column);
    const QString sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid LIMIT 1")
                            .arg(columns.join(QStringLiteral(", ")), table);

    // Everything is read before any field changes, so a failure halfway
    // leaves all fields as they were.
    QStringList texts;
    {
        OpenDatabase open(connection_, databaseName_, busyTimeout_);
        if (!open.isOpen())
            return failure(what, open.db().lastError());
        QSqlQuery query(open.db());
        query.setForwardOnly(true);
        if (!query.prepare(sql) || !query.exec())
            return failure(what, query.lastError());
        if (query.next()) {
            for (int i = 0; i < int(bindings.size()); ++i)
                texts << query.value(i + 1).toString();  // NULL gives ""
        } else if (query.lastError().isValid()) {
            return failure(what, query.lastError());
        } else {
            for (std::size_t i = 0; i < bindings.size(); ++i)
                texts << QString();  // no record: every field empty
        }
    }

    for (int i = 0; i < int(bindings.size()); ++i) {
        if (bindings[i].field)
            bindings[i].field->setText(texts[i]);
    }
    return Result::success();
}

Result RecordBinding::updateRecord()
{
    const QString what = QStringLiteral("Не удалось сохранить свою станцию в файл %1.")
                             .arg(QDir::toNativeSeparators(databaseName_));
    if (databaseName_.isEmpty() || recordSource_.isEmpty())
        return Result::failure(what + NotConfigured);

    const std::vector<Binding> bindings = liveBindings();
    const QString table = quotedIdentifier(recordSource_);

    QStringList assignments, columns, placeholders;
    QVariantList values;
    for (const Binding& binding : bindings) {
        assignments << quotedIdentifier(binding.column) + QStringLiteral(" = ?");
        columns << quotedIdentifier(binding.column);
        placeholders << QStringLiteral("?");
        const QString text = binding.field->text();
        values << (text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text));
    }

    OpenDatabase open(connection_, databaseName_, busyTimeout_);
    if (!open.isOpen())
        return failure(what, open.db().lastError());
    const QSqlDatabase& db = open.db();

    // IMMEDIATE takes the write lock before the record is looked at, so two
    // copies of the program saving at once queue up instead of one of them
    // failing halfway.
    QSqlError error = execute(db, QStringLiteral("BEGIN IMMEDIATE"));
    if (error.isValid())
        return failure(what, error);

    if (bindings.empty()) {
        // Nothing to write; still report a missing table.
        error = execute(db, QStringLiteral("SELECT rowid FROM %1 LIMIT 1").arg(table));
    } else {
        int updated = 0;
        error = execute(db,
                        QStringLiteral("UPDATE %1 SET %2 WHERE rowid = "
                                       "(SELECT rowid FROM %1 ORDER BY rowid LIMIT 1)")
                            .arg(table, assignments.join(QStringLiteral(", "))),
                        values, &updated);
        if (!error.isValid() && updated == 0) {
            error = execute(db,
                            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table, columns.join(QStringLiteral(", ")),
                                     placeholders.join(QStringLiteral(", "))),
                            values);
        }
    }
    if (!error.isValid())
        error = execute(db, QStringLiteral("COMMIT"));
    if (error.isValid()) {
        // SQLite may already have rolled back by itself; then this one fails
        // harmlessly.
        execute(db, QStringLiteral("ROLLBACK"));
        return failure(what, error);
    }
    return Result::success();
}

} // namespace store
