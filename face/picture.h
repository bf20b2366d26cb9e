#pragma once

#include <QPixmap>
#include <QString>

// One of the program's own pictures, all PNG, read without loading Qt's
// image-format plugins: unless told the format and forbidden to guess, Qt
// loads every plugin installed to ask each whether it reads the picture.
QPixmap pngPicture(const QString& path);
