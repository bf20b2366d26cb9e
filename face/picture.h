#pragma once

#include <QPixmap>
#include <QString>

// One of the program's own pictures, PNG or BMP as its name ends, read
// without loading Qt's image-format plugins: unless told the format and
// forbidden to guess, Qt loads every plugin installed to ask each whether it
// reads the picture.
QPixmap ownPicture(const QString& path);
