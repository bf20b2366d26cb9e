// Calculation by coordinates: both stations' locators from their
// coordinates, then distance and azimuths.

#include "window/frmRaschet.h"

#include "geodesy/locator.h"
#include "geodesy/messages.h"
#include "window/field_texts.h"

#include <QLineEdit>

// Own locator from own coordinates. Reports failure through Oshibka, by way
// of ClearMyKoordinat.
void frmRaschet::cmdMyRaschet1_Click()
{
    if (const auto own = LocatorFromCoordinates({txtH1G, txtH1M, txtH1S, txtD1G, txtD1M, txtD1S}, txtMyLocator,
                                                &frmRaschet::ClearMyKoordinat)) {
        H1 = own->latitude;
        D1 = own->longitude;
    }
}

void frmRaschet::cmdRaschetLocator_Click()
{
    Oshibka = false;
    trapRunTimeFailures([this] { RaschetPoKoordinatam(); });
}

void frmRaschet::RaschetPoKoordinatam()
{
    const auto kor = LocatorFromCoordinates({txtH2G, txtH2M, txtH2S, txtD2G, txtD2M, txtD2S}, txtKorLocator,
                                            &frmRaschet::ClearKorLocator);
    if (!kor)
        return;
    H2 = kor->latitude;
    D2 = kor->longitude;

    cmdMyRaschet1_Click();
    if (Oshibka)
        return;
    if (!RaschetAzimutDalnost()) {
        reportCoincidentPoints();
        return;
    }
    moveFocusTo(txtH2G);
}

// Reads a station's coordinates and writes its locator. A reading that fails
// is reported and followed by the given clearing routine.
std::optional<geodesy::Position> frmRaschet::LocatorFromCoordinates(const CoordinateFields& fields,
                                                                    QLineEdit* locatorField,
                                                                    void (frmRaschet::*clear)())
{
    using namespace geodesy;
    const auto reading = readPosition(fields);
    if (const auto* failure = std::get_if<PositionFailure>(&reading)) {
        showInputError(message(*failure));
        (this->*clear)();
        return std::nullopt;
    }
    const Position& position = std::get<Position>(reading);
    const EncodedLocator locator = encodeLocator(position);
    LocIndex = locator.locIndex;
    writeLocator(locatorField, locator.text);
    return position;
}
