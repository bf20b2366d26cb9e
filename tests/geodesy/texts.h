#pragma once

// Moving texts between the tests' tables (QString) and the core (UTF-8).

#include "geodesy/position.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <string_view>
#include <variant>

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Reads a position from six field texts, as the window does, so that the
// boundary cases meet the same double arithmetic.
inline std::variant<geodesy::Position, geodesy::PositionFailure> read(const QStringList& t)
{
    std::array<QByteArray, 6> b;
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = t[qsizetype(i)].toUtf8();
    return geodesy::readPosition({b[0].constData(), b[1].constData(), b[2].constData()},
                                 {b[3].constData(), b[4].constData(), b[5].constData()});
}
