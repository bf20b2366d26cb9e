#pragma once

#include <QImage>

namespace map {

// A blank image of RGB32 pixels for a large picture, its memory asked of
// the kernel in huge pages where the kernel offers them: a map 2,400 pixels
// wide is 23 MB, and taking it a 4 KiB page at a time cost as much as
// painting it. A small image, or one on a system without them, is an
// ordinary QImage.
QImage largeImage(int width, int height);

} // namespace map
