#pragma once

class QApplication;

// What the program sets up before its first window: its name (which names
// the user's data directory), Qt's own texts in Russian, the window icon.
void prepareApplication(QApplication& application);
