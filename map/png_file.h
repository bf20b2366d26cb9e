#pragma once

#include <QByteArray>
#include <QImage>

namespace map {

// The image as a PNG file of 8-bit RGB, its alpha dropped. Written plainly:
// rows unfiltered and deflated at zlib's fastest level. Qt's own writer
// tries each filter on each row, which took three quarters of the command's
// time; on a map's flat fills the plain file is smaller besides.
QByteArray pngFile(const QImage& image);

} // namespace map
