#pragma once

#include <future>

class QApplication;

// What the program sets up before its first window: its name (which names
// the user's data directory), Qt's own texts in Russian, the window icon.
// Returns once `fontConfig`, started before the application, is done too.
void prepareApplication(QApplication& application, std::future<void> fontConfig = {});
