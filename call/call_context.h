#pragma once

#include "geodesy/position.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <variant>

namespace dxcc {
class CountrySource;
}

namespace rotator {
class RotatorSession;
}

// What the callsign windows take from the main window, which makes them:
// its country file and antenna, its own station as the fields now hold it,
// and its map. They reach nothing else of it.
struct CallContext {
    dxcc::CountrySource* countries = nullptr;
    rotator::RotatorSession* session = nullptr;
    // The own station, or the user's words for why the fields hold none.
    std::function<std::variant<geodesy::Position, QString>()> ownStation;
    // Opens the map, centred on the own station, with the other one on it
    // under its label.
    std::function<void(const geodesy::Position& own, const geodesy::Position& other, const QString& label)> showOnMap;
    // The time the clock and the Sun are told for; a test fixes it.
    std::function<QDateTime()> now = &QDateTime::currentDateTimeUtc;
};
