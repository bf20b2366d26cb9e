#include "call/call_result.h"

#include "call/call_texts.h"
#include "dxcc/country_source.h"
#include "dxcc/call_rules.h"
#include "dxcc/entity_texts.h"
#include "dxcc/messages.h"
#include "geodesy/sun.h"

#include <QTimeZone>

#include <cmath>

namespace {

using calltexts::fromUtf8;
using calltexts::sentence;

QString hoursAndMinutes(double unixSeconds)
{
    return QDateTime::fromSecsSinceEpoch(std::llround(unixSeconds), QTimeZone::utc()).toString(QStringLiteral("HH:mm"));
}

QString localTime(const QDateTime& nowUtc, double offsetHours)
{
    const QDateTime there = nowUtc.toUTC().addSecs(std::llround(offsetHours * 3600));
    return QStringLiteral("Местное время %1 (%2)")
        .arg(there.toString(QStringLiteral("HH:mm")), fromUtf8(dxcc::utcOffsetText(offsetHours)));
}

// Today is the UTC day of `nowUtc`: the times the log is kept in.
QString sunText(const geodesy::Position& place, const QDateTime& nowUtc)
{
    const QDateTime dayStart(nowUtc.toUTC().date(), QTime(0, 0), QTimeZone::utc());
    const geodesy::SunDay day = geodesy::sunDay(place, double(dayStart.toSecsSinceEpoch()));
    if (day.polarDay)
        return QStringLiteral("Полярный день: солнце не заходит");
    if (day.polarNight)
        return QStringLiteral("Полярная ночь: солнце не восходит");
    const QString rise = day.sunrise ? QStringLiteral("Восход %1 UTC").arg(hoursAndMinutes(*day.sunrise))
                                     : QStringLiteral("Восхода сегодня нет");
    const QString set = day.sunset ? QStringLiteral("заход %1 UTC").arg(hoursAndMinutes(*day.sunset))
                                   : QStringLiteral("захода сегодня нет");
    return rise + QStringLiteral(", ") + set;
}

QString pathText(const char* name, int azimuth, long long distanceKm)
{
    return QStringLiteral("%1: азимут %2°, %3 км").arg(QString::fromUtf8(name)).arg(azimuth).arg(distanceKm);
}

void addFigures(CallResult& result, const geodesy::Position& own, const geodesy::Position& place)
{
    result.paths = dxcc::headings(own, place);
    if (!result.paths) {
        result.shortPath = QStringLiteral("Своя станция стоит в точке этой страны: направления нет");
        return;
    }
    result.own = own;
    result.place = place;
    result.shortPath = pathText("Короткий путь", result.paths->shortAzimuth, result.paths->shortKm);
    result.longPath = pathText("Длинный путь", result.paths->longAzimuth, result.paths->longKm);
}

} // namespace

CallResult lookUpCall(dxcc::CountrySource& countries, const QString& call,
                      const std::variant<geodesy::Position, QString>& own, const QDateTime& nowUtc)
{
    CallResult result;
    if (call.trimmed().isEmpty())
        return result;
    const dxcc::CountryFile* file = countries.file();
    if (!file) {
        result.entity = sentence(QString::fromStdString(countries.failure()));
        return result;
    }
    result.version = sentence(fromUtf8(dxcc::versionText(*file)));
    const auto found = dxcc::findEntity(*file, call.trimmed().toUtf8().toStdString());
    if (const auto* failure = std::get_if<dxcc::CallFailure>(&found)) {
        result.entity = sentence(fromUtf8(dxcc::message(*failure)));
        return result;
    }
    const dxcc::CallMatch& match = std::get<dxcc::CallMatch>(found);
    result.call = QString::fromStdString(match.call);
    // The call as it was read, so that a Cyrillic letter read as a Latin
    // one shows.
    result.entity = result.call + QStringLiteral(" — ") + fromUtf8(dxcc::entityLine(*match.entity, match.values));
    result.localTime = localTime(nowUtc, match.values.utcOffsetHours);
    result.sun = sunText(match.values.position, nowUtc);
    if (const auto* failure = std::get_if<QString>(&own))
        result.shortPath = *failure;
    else
        addFigures(result, std::get<geodesy::Position>(own), match.values.position);
    return result;
}
