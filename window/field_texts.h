#pragma once

#include "geodesy/position.h"

#include <QString>

#include <array>
#include <string_view>
#include <variant>

class QLineEdit;

// Passing texts between the window's fields and the calculations, which work
// on UTF-8.

inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A station's six coordinate fields: latitude degrees, minutes, seconds,
// then longitude degrees, minutes, seconds.
using CoordinateFields = std::array<QLineEdit*, 6>;

std::variant<geodesy::Position, geodesy::PositionFailure> readPosition(const CoordinateFields& fields);

// Writes an angle into its degrees, minutes and seconds fields, in that order.
void writeCoordinate(QLineEdit* degrees, QLineEdit* minutes, QLineEdit* seconds, double angle);

// Writes a locator into its field as the window always has: emptied first,
// then built up piece by piece, so that the field's change handler sees every
// step.
void writeLocator(QLineEdit* field, std::string_view locator);
