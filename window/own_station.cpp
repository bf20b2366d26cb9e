// The own station kept between runs in the station database: read at start
// and by "Прочитать коорд.", written only by "Сохранить коорд.".

#include "window/frmRaschet.h"

#include "store/record_binding.h"


std::array<QLineEdit*, 7> frmRaschet::ownStationFields() const
{
    return {txtH1G, txtH1M, txtH1S, txtD1G, txtD1M, txtD1S, txtMyLocator};
}

void frmRaschet::cmdLoad_Click()
{
    if (const store::Result result = Data1->refresh(); !result)
        showError(result.message());
}

void frmRaschet::cmdSave_Click()
{
    if (const store::Result result = Data1->updateRecord(); !result)
        showError(result.message());
}
