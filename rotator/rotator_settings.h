#pragma once

#include <QString>

namespace rotator {

// Where the rotator daemon listens, and whether the antenna's heading is
// shown. Kept in the program's settings file (settings/settings_file.h).
struct RotatorSettings {
    QString host = QStringLiteral("localhost");
    quint16 port = 4533;  // rotctld's own default
    bool showHeading = false;
    bool chosen = false;  // by the user, now or in an earlier run: not the defaults

    // The settings kept, with the defaults above for whatever is missing or
    // unusable. A file that cannot be read gives the defaults and, in
    // `failure`, the user's words for why.
    static RotatorSettings load(QString& failure);

    // Keeps the settings for the next start; the user's words for why not,
    // or nothing.
    QString save() const;
};

} // namespace rotator
