#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QLineEdit;
class QSqlError;

namespace store {

// What a read or a save came to: success, or a failure with the text to show.
class Result {
public:
    static Result success() { return Result(); }
    static Result failure(QString message) { return Result(std::move(message)); }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok(); }

    // Empty on success. On failure, Russian and ready for a message box: one
    // sentence saying what could not be done with which file, then, on a new
    // line, why (see failureText()).
    const QString& message() const { return message_; }

private:
    Result() = default;
    explicit Result(QString message) : ok_(false), message_(std::move(message)) {}

    bool ok_ = true;
    QString message_;
};

// Binds text fields to the columns of the first record (lowest rowid) of one
// table in an SQLite database file.
//
// The file is opened for each read or save and closed again, so nothing stays
// locked between them and a file put in place later is found. It is opened
// read-write and shared, and never created: a missing file is a failure, not
// a new empty database. While another program writes, a read or save waits
// up to the busy timeout (setBusyTimeout) before it fails.
//
// No operation throws. A failed read leaves the fields as they were; a failed
// save leaves the file as it was.
class RecordBinding : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultBusyTimeout = 5000;  // milliseconds

    explicit RecordBinding(QObject* parent = nullptr);
    ~RecordBinding() override;

    // Path of the database file, taken literally (any characters allowed),
    // and, where it is known, what to tell the user when it is missing.
    void setDatabaseName(const QString& path, const QString& noFile = {});

    // The table whose first record the fields show.
    void setRecordSource(const QString& table);

    void setBusyTimeout(int milliseconds);

    // Binds a field to a column. Columns are read and written in the order of
    // the first bind of each field; binding a field again changes its column
    // in place. Each column should be bound to one field only. A field that is
    // destroyed is dropped from the binding. Nothing is read until refresh().
    void bind(QLineEdit* field, const QString& column);

    // Replaces every bound field's text with its column's value in the first
    // record, discarding edits. NULL gives an empty text; a table without a
    // record empties all fields. Nothing is written.
    Result refresh();

    // Writes all bound fields' texts into the first record in one transaction:
    // the file then holds either the old record or the new one. An empty text
    // is stored as NULL, any other text exactly as it stands. A table without
    // a record gets one inserted. The fields keep their texts.
    Result updateRecord();

private:
    struct Binding {
        QPointer<QLineEdit> field;
        QString column;
    };

    std::vector<Binding> liveBindings();
    Result failure(const QString& what, const QSqlError& error) const;

    const QString connection_;
    QString databaseName_;
    QString noFile_;
    QString recordSource_;
    int busyTimeout_ = DefaultBusyTimeout;
    std::vector<Binding> bindings_;
};

} // namespace store
