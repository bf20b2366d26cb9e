#pragma once

// The own station read or saved by a binding of the test's own, as the
// window binds its seven fields.

#include "store/record_binding.h"
#include "store/user_db.h"

#include <QLineEdit>
#include <QStringList>

#include <utility>

// Reads or saves the own station with the seven fields holding `texts`,
// bound last column first, so that each field must get its own column
// rather than the next one in line: the fields afterwards, and the outcome.
inline std::pair<QStringList, store::Result> station(const QString& path, QStringList texts,
                                                     store::Result (store::RecordBinding::*readOrSave)())
{
    QLineEdit fields[7];
    store::RecordBinding binding;
    binding.setDatabaseName(path);
    binding.setRecordSource("MyLocator");
    binding.setBusyTimeout(300);  // short, for the locked file
    for (int i = 6; i >= 0; --i) {
        binding.bind(&fields[i], store::OwnStationColumns[i]);
        fields[i].setText(texts[i]);
    }
    const store::Result result = (binding.*readOrSave)();
    for (int i = 0; i < 7; ++i)
        texts[i] = fields[i].text();
    return {texts, result};
}

inline constexpr auto load = &store::RecordBinding::refresh;
inline constexpr auto save = &store::RecordBinding::updateRecord;
