#pragma once

// What the callsign windows' tests share: Debian's country file, which the
// windows read too (the test's data folder holds no copy of the user's),
// and the own station typed into the main window.

#include "tests/system_country_file.h"
#include "tests/window/window_fixture.h"

// The own coordinates as a user types them: "55 46 15 37 37 30".
inline void typeOwnStation(frmRaschet& window, const QString& coordinates)
{
    const QStringList parts = coordinates.split(' ', Qt::SkipEmptyParts);
    const QList<QLineEdit*> fields{window.txtH1G, window.txtH1M, window.txtH1S,
                                   window.txtD1G, window.txtD1M, window.txtD1S};
    for (int i = 0; i < fields.size(); ++i) {
        fields[i]->clear();
        type(fields[i], parts.value(i));
    }
}
