#pragma once

// Moving texts between the tests' tables (QString) and the core (UTF-8), and
// a reading's outcome as one text, so that one table column holds either.

#include "geodesy/messages.h"
#include "geodesy/station.h"

#include <QString>

#include <string_view>
#include <variant>

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Twelve digits, as QCOMPARE weighs doubles: rounding in the last bits is
// left out, any real slip is not.
inline QString at(double latitude, double longitude)
{
    return QString::number(latitude, 'g', 12) + ' ' + QString::number(longitude, 'g', 12);
}

// The position, or the words the user reads for the failure.
template <typename Failure>
QString outcome(const std::variant<geodesy::Position, Failure>& result)
{
    if (const auto* position = std::get_if<geodesy::Position>(&result))
        return at(position->latitude, position->longitude);
    return qs(geodesy::message(std::get<Failure>(result)));
}
