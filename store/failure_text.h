#pragma once

#include <QString>

class QSqlError;

namespace store {

// Why a read or a save of the station failed, in Russian, for the user who
// can do something about it: one sentence naming the cause, then the
// database's own text in parentheses. Causes the user cannot act on get the
// database's text alone.
//
// `path` is the database file, `table` the table the fields are bound to.
// `noFile`, when given, tells a missing file instead, alone.
QString failureText(const QSqlError& error, const QString& path, const QString& table, const QString& noFile = {});

} // namespace store
