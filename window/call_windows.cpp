// The windows that start from a callsign, beside this one: what they are
// given of it, and how they are opened.

#include "window/frmRaschet.h"

#include "call/frmBeamTable.h"
#include "call/frmCall.h"
#include "geodesy/locator.h"
#include "geodesy/messages.h"
#include "window/field_texts.h"
#include "map_window/frmMap.h"
#include "window/rotator_control.h"

#include <QLineEdit>

void frmRaschet::mnuCall_Click()
{
    if (!call_) {
        call_ = new frmCall(callContext(), this);
        // A new own station shows at once, not at the next minute.
        connect(this, &frmRaschet::calculated, call_, &frmCall::showResult);
        connect(this, &frmRaschet::calculationFailed, call_, &frmCall::showResult);
    }
    call_->bringUp();
}

void frmRaschet::mnuBeamTable_Click()
{
    if (!beamTable_) {
        beamTable_ = new frmBeamTable(callContext(), this);
        connect(this, &frmRaschet::calculated, beamTable_, &frmBeamTable::fill);
    }
    beamTable_->bringUp();
}

CallContext frmRaschet::callContext()
{
    CallContext context;
    context.countries = &countries;
    context.session = &rotator->session();
    context.ownStation = [this] { return ownStation(); };
    context.showOnMap = [this](const geodesy::Position& own, const geodesy::Position& other, const QString& label) {
        mnuMap_Click();
        map_->showCalculation(own, other, label);
    };
    return context;
}

// The own coordinates as their fields now stand, which every calculation
// reads or writes; with none typed, the own locator's centre. The fields
// are only read.
std::variant<geodesy::Position, QString> frmRaschet::ownStation() const
{
    const auto reading = readPosition({txtH1G, txtH1M, txtH1S, txtD1G, txtD1M, txtD1S});
    if (const auto* position = std::get_if<geodesy::Position>(&reading))
        return *position;
    const geodesy::PositionFailure failure = std::get<geodesy::PositionFailure>(reading);
    if (failure != geodesy::PositionFailure::NoCoordinates)
        return QStringLiteral("Свои координаты в главном окне неверны: %1").arg(fromUtf8(geodesy::message(failure)));
    const geodesy::LocatorDecoding decoding = geodesy::decodeLocator(txtMyLocator->text().toStdString());
    if (const auto* centre = std::get_if<geodesy::DecodedLocator>(&decoding.result))
        return geodesy::Position{centre->latitude, centre->longitude};
    return QStringLiteral("Своя станция не задана: введите в главном окне свои координаты или локатор.");
}
