#pragma once

#include <QString>

// Where the rotator daemon listens, and whether the compass shows the
// antenna's heading. Kept in the user's configuration directory
// (~/.config/azidal/azidal.conf on Linux), apart from the station database.
struct RotatorSettings {
    QString host = QStringLiteral("localhost");
    quint16 port = 4533;  // rotctld's own default
    bool showHeading = false;

    // The defaults above for whatever is missing or unusable.
    static RotatorSettings load();
    void save() const;
};
