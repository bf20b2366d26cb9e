// Calculation by locator: both stations' coordinates from their locators,
// then distance and azimuths.

#include "window/frmRaschet.h"

#include "geodesy/great_circle.h"
#include "geodesy/messages.h"
#include "window/field_texts.h"

#include <QLineEdit>

// Own coordinates from the own locator. Reports failure through Oshibka, by
// way of ClearMyKoordinat.
void frmRaschet::cmdMyRaschet_Click()
{
    using namespace geodesy;
    const LocatorDecoding decoding = decodeLocator(txtMyLocator->text().toStdString());
    const auto* failure = std::get_if<LocatorFailure>(&decoding.result);
    // In capitals once its length is right, even when the rest of the check
    // fails.
    if (!failure || *failure != LocatorFailure::WrongLength)
        txtMyLocator->setText(fromUtf8(decoding.upper));
    if (failure) {
        showInputError(message(*failure));
        ClearMyKoordinat();
        return;
    }
    const DecodedLocator& centre = std::get<DecodedLocator>(decoding.result);
    LocPart = centre.locPart;
    D1 = centre.longitude;
    H1 = centre.latitude;
    writeCoordinate(txtD1G, txtD1M, txtD1S, D1);
    writeCoordinate(txtH1G, txtH1M, txtH1S, H1);
}

void frmRaschet::cmdRaschetKoordinat_Click()
{
    Oshibka = false;
    trapRunTimeFailures([this] { RaschetPoLocatoru(); });
}

void frmRaschet::RaschetPoLocatoru()
{
    using namespace geodesy;
    // The correspondent's locator is checked in full before the own one is
    // looked at; its field keeps the case it was typed in.
    const auto decoded = locatorCentre(txtKorLocator->text().toStdString());
    if (const auto* failure = std::get_if<LocatorFailure>(&decoded)) {
        showInputError(message(*failure));
        if (*failure == LocatorFailure::WrongLength)
            ClearKorLocator();
        else
            ClearKorKoordinat();
        return;
    }
    const DecodedLocator& centre = std::get<DecodedLocator>(decoded);
    LocPart = centre.locPart;
    D2 = centre.longitude;
    H2 = centre.latitude;

    cmdMyRaschet_Click();
    if (Oshibka)
        return;
    if (!RaschetAzimutDalnost()) {
        reportCoincidentPoints();
        return;
    }
    // Shown after the trip to radians and back, as the calculation left them.
    writeCoordinate(txtD2G, txtD2M, txtD2S, toDegrees(D2));
    writeCoordinate(txtH2G, txtH2M, txtH2S, toDegrees(H2));
    moveFocusTo(txtKorLocator);
}
