#include "face/font_config.h"

#include "threads/both_at_once.h"

#include <fontconfig/fontconfig.h>

std::future<void> startReadingFontConfig()
{
    return threads::startOrDo([] { FcInit(); });
}
