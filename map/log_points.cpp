#include "map/log_points.h"

#include "adif/qso_position.h"

#include <cmath>

namespace map {

int LogPoints::squareOf(double latitude, double longitude)
{
    const int east = std::min(179, int(std::floor((longitude + 180) / 2)));
    const int north = std::min(179, int(std::floor(latitude + 90)));
    return east * 180 + north;
}

std::variant<LogPoints, std::string> readLogPoints(const adif::Reader::Source& source)
{
    LogPoints log;
    adif::Reader reader(source);
    adif::Reader::Step step;
    while ((step = reader.next()) == adif::Reader::Step::Section) {
        if (reader.section().kind != adif::SectionKind::Record)
            continue;
        const adif::QsoPosition found = adif::qsoPosition(reader.section(), adif::Correspondent);
        if (const auto* position = std::get_if<geodesy::Position>(&found)) {
            log.points.push_back({float(position->latitude), float(position->longitude)});
            log.squares[std::size_t(LogPoints::squareOf(position->latitude, position->longitude))] = true;
        } else {
            ++log.withoutPosition;
        }
    }
    if (step == adif::Reader::Step::Error)
        return adif::message(reader.error());
    log.points.shrink_to_fit();
    return log;
}

} // namespace map
