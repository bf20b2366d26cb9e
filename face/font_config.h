#pragma once

#include <future>

// Starts fontconfig reading its set-up and its caches of the installed faces
// on the other processor core: about a third of a window's start-up, which
// Qt would otherwise do on the first text laid out. Wait for it before
// anything asks Qt for a face, or Qt reads them a second time beside it.
std::future<void> startReadingFontConfig();
