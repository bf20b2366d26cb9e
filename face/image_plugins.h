#pragma once

#include <future>

// Loads Qt's image-format plugins on the other processor core, some 2 ms of
// a window's start-up. Qt loads them all the first time it reads a picture
// it may guess the format of, as styles read their own at the first paint;
// they are then ready, or the reader waits for the rest. Start it once the
// application exists, which tells Qt where the plugins are; the returned
// future waits for it when destroyed.
std::future<void> startLoadingImagePlugins();
