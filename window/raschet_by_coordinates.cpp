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
    using namespace geodesy;
    const auto reading = readPosition({txtH1G, txtH1M, txtH1S, txtD1G, txtD1M, txtD1S});
    if (const auto* failure = std::get_if<PositionFailure>(&reading)) {
        showInputError(message(*failure));
        ClearMyKoordinat();
        return;
    }
    const Position& own = std::get<Position>(reading);
    D1 = own.longitude;
    H1 = own.latitude;
    const EncodedLocator locator = encodeLocator(own);
    LocIndex = locator.locIndex;
    writeLocator(txtMyLocator, locator.text);
}

void frmRaschet::cmdRaschetLocator_Click()
{
    Oshibka = false;
    trapRunTimeFailures([this] { RaschetPoKoordinatam(); });
}

void frmRaschet::RaschetPoKoordinatam()
{
    using namespace geodesy;
    const auto reading = readPosition({txtH2G, txtH2M, txtH2S, txtD2G, txtD2M, txtD2S});
    if (const auto* failure = std::get_if<PositionFailure>(&reading)) {
        showInputError(message(*failure));
        ClearKorLocator();
        return;
    }
    const Position& kor = std::get<Position>(reading);
    D2 = kor.longitude;
    H2 = kor.latitude;
    const EncodedLocator locator = encodeLocator(kor);
    LocIndex = locator.locIndex;
    writeLocator(txtKorLocator, locator.text);

    cmdMyRaschet1_Click();
    if (Oshibka)
        return;
    if (!RaschetAzimutDalnost()) {
        reportCoincidentPoints();
        return;
    }
    txtH2G->setFocus();
}
