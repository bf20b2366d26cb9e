#pragma once

#include <QString>

namespace store {

// A table or column name as SQL text: in double quotes, inner quotes doubled.
inline QString quotedIdentifier(const QString& name)
{
    QString text = name;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace store
