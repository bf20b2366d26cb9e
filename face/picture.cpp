#include "face/picture.h"

#include <QFileInfo>
#include <QImageReader>

QPixmap ownPicture(const QString& path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
