#include "window/field_texts.h"

#include "geodesy/locator.h"

#include <QByteArray>
#include <QLineEdit>

std::variant<geodesy::Position, geodesy::PositionFailure> readPosition(const CoordinateFields& fields)
{
    std::array<QByteArray, 6> utf8;
    for (std::size_t i = 0; i < fields.size(); ++i)
        utf8[i] = fields[i]->text().toUtf8();
    const auto text = [&](std::size_t i) {
        return std::string_view(utf8[i].constData(), static_cast<std::size_t>(utf8[i].size()));
    };
    return geodesy::readPosition({text(0), text(1), text(2)}, {text(3), text(4), text(5)});
}

void writeCoordinate(QLineEdit* degrees, QLineEdit* minutes, QLineEdit* seconds, double angle)
{
    const geodesy::CoordinateParts parts = geodesy::splitCoordinate(angle);
    degrees->setText(fromUtf8(parts.degrees.view()));
    minutes->setText(fromUtf8(parts.minutes.view()));
    seconds->setText(fromUtf8(parts.seconds.view()));
}

void writeLocator(QLineEdit* field, std::string_view locator)
{
    field->clear();
    for (const std::string_view piece : geodesy::locatorPieces(locator))
        field->setText(field->text() + fromUtf8(piece));
}
