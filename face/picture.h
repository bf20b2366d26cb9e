#pragma once

#include <QPixmap>
#include <QString>

// One of the program's own pictures, all PNG, read without loading Qt's
// image-format plugins: asked a picture of a format it is not told, Qt loads
// every plugin installed to ask each whether it reads it.
QPixmap pngPicture(const QString& path);
