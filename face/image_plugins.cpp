#include "face/image_plugins.h"

#include "threads/both_at_once.h"

#include <QImageReader>

std::future<void> startLoadingImagePlugins()
{
    return threads::startOrDo([] { QImageReader::supportedImageFormats(); });
}
