#pragma once

#include "dxcc/beam_table.h"
#include "geodesy/position.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <variant>

namespace dxcc {
class CountrySource;
}

// What the callsign window shows for one call, each line in Russian; a line
// is empty when there is nothing to say in it.
struct CallResult {
    QString call;       // as it was read: upper case, Latin letters
    QString entity;     // "JA1ABC — Япония (AS, CQ 25, ITU 45)", or why the call has none
    QString shortPath;  // "Короткий путь: азимут 60°, 7343 км", or why there are no figures
    QString longPath;   // "Длинный путь: азимут 240°, 32689 км"
    QString localTime;  // "Местное время 21:47 (UTC+9)"
    QString sun;        // "Восход 20:31 UTC, заход 09:42 UTC", or the polar day or night
    QString version;    // "Файл стран от 02.05.2023"
    // With figures only: where they lead from and to, and the azimuths to
    // turn the antenna to.
    std::optional<geodesy::Position> own;
    std::optional<geodesy::Position> place;
    std::optional<dxcc::Headings> paths;
};

// The call looked up in the country file, which is read now if it has not
// been; nothing is read for an empty call. The figures run from `own` to
// the entity's point, by the program's one pair of figures; the clock and
// the Sun are told for the instant `nowUtc`.
CallResult lookUpCall(dxcc::CountrySource& countries, const QString& call,
                      const std::variant<geodesy::Position, QString>& own, const QDateTime& nowUtc);
