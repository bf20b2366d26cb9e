#pragma once

#include <QSettings>

// The program's settings, in the user's configuration directory under the
// application's name (~/.config/azidal/azidal.conf on Linux), apart from the
// station database.
QSettings settingsFile();
