// The own station kept between runs in the station database: read at start
// and by "Прочитать коорд.", written only by "Сохранить коорд.".

#include "window/frmRaschet.h"

#include "store/record_binding.h"
#include "window/message_box.h"


std::array<QLineEdit*, 7> frmRaschet::ownStationFields() const
{
    return {txtH1G, txtH1M, txtH1S, txtD1G, txtD1M, txtD1S, txtMyLocator};
}

// Runs once, when the window is on screen, so that a failure's box stands
// over it; the window stays usable with empty own fields.
void frmRaschet::OpenOwnStation()
{
    if (ownStationOpened)
        return;
    ownStationOpened = true;
    if (const store::Result result = Data1->refresh(); !result)
        showStoreError(result.message());
}

void frmRaschet::cmdLoad_Click()
{
    if (const store::Result result = Data1->refresh(); !result)
        showStoreError(result.message());
}

void frmRaschet::cmdSave_Click()
{
    if (const store::Result result = Data1->updateRecord(); !result)
        showStoreError(result.message());
}

void frmRaschet::showStoreError(const QString& message)
{
    showMessage(this, QStringLiteral("Ошибка"), message, QMessageBox::Warning, MessageButtons::Ok);
}
