#include "map/log_points.h"

#include "adif/qso_position.h"
#include "dxcc/call_rules.h"

#include <QStringList>

#include <cmath>
#include <optional>

namespace map {

int LogPoints::squareOf(double latitude, double longitude)
{
    const int east = std::min(SquaresEachWay - 1, int(std::floor((longitude + 180) / 2)));
    const int north = std::min(SquaresEachWay - 1, int(std::floor(latitude + 90)));
    return east * SquaresEachWay + north;
}

geodesy::Position LogPoints::squareCorner(std::size_t square)
{
    return {-90 + double(square % SquaresEachWay), -180 + 2.0 * double(square / SquaresEachWay)};
}

namespace {

// The entity the country file gives the record's CALL, with its position:
// the entity's, or its alias's where that overrides it.
std::optional<dxcc::CallMatch> callMatch(const adif::Section& record, const dxcc::CountryFile& countries)
{
    const adif::Field* call = record.find("CALL");
    if (!call)
        return std::nullopt;
    const auto found = dxcc::findEntity(countries, call->data);
    if (const auto* match = std::get_if<dxcc::CallMatch>(&found))
        return *match;
    return std::nullopt;
}

// The QSO's words after the others: its index.
std::uint32_t addWords(LogPoints& log, const adif::Section& record)
{
    log.qsoStarts.push_back(std::uint32_t(log.qsoWords.size()));
    for (const char* name : {"CALL", "QSO_DATE", "BAND", "MODE"}) {
        if (const adif::Field* field = record.find(name))
            log.qsoWords.append(field->data);
        log.qsoWords += '\t';
    }
    return std::uint32_t(log.qsoStarts.size() - 1);
}

} // namespace

QString qsoText(const LogPoints& log, std::uint32_t qso)
{
    const QStringList fields = QString::fromUtf8(log.qsoWords.data() + log.qsoStarts.at(qso),
                                                 qsizetype(qso + 1 < log.qsoStarts.size() ? log.qsoStarts[qso + 1]
                                                                                           : log.qsoWords.size())
                                                     - qsizetype(log.qsoStarts[qso]))
                                   .split(QLatin1Char('\t'));
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
        QString field = fields.at(i).trimmed();
        // ADIF's date is YYYYMMDD.
        if (i == 1 && field.size() == 8)
            field = field.mid(6, 2) + QLatin1Char('.') + field.mid(4, 2) + QLatin1Char('.') + field.left(4);
        if (!field.isEmpty())
            shown << (i == 2 ? field.toLower() : field);
    }
    return shown.join(QStringLiteral(", "));
}

std::variant<LogPoints, std::string> readLogPoints(const adif::Reader::Source& source,
                                                   const dxcc::CountryFile* countries, QsoWords words)
{
    LogPoints log;
    const auto wordsOf = [&](const adif::Section& record) {
        return words == QsoWords::Kept ? addWords(log, record) : 0;
    };
    adif::Reader reader(source);
    adif::Reader::Step step;
    while ((step = reader.next()) == adif::Reader::Step::Section) {
        if (reader.section().kind != adif::SectionKind::Record)
            continue;
        const adif::QsoPosition found = adif::qsoPosition(reader.section(), adif::Correspondent);
        if (const auto* position = std::get_if<geodesy::Position>(&found)) {
            log.points.push_back({float(position->latitude), float(position->longitude), wordsOf(reader.section())});
            log.squares[std::size_t(LogPoints::squareOf(position->latitude, position->longitude))] = true;
        } else if (const std::optional<dxcc::CallMatch> match
                   = std::holds_alternative<std::monostate>(found) && countries
                       ? callMatch(reader.section(), *countries)
                       : std::nullopt) {
            const geodesy::Position& at = match->values.position;
            log.entityPoints.push_back({float(at.latitude), float(at.longitude), wordsOf(reader.section())});
            log.entities.push_back(match->entity);
        } else {
            ++log.withoutPosition;
        }
    }
    if (step == adif::Reader::Step::Error)
        return adif::message(reader.error());
    log.points.shrink_to_fit();
    log.entityPoints.shrink_to_fit();
    log.entities.shrink_to_fit();
    log.qsoWords.shrink_to_fit();
    log.qsoStarts.shrink_to_fit();
    return log;
}

} // namespace map
