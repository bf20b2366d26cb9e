#pragma once

#include "paper/paper.h"

namespace paper {

// What the module gives the program: its one entry, the C function
// `azidalPaperFunctions`, looked up by name, returns them.
struct Functions {
    void (*print)(QWidget* parent, const QString& title, const PagePainter& paint);
    QByteArray (*svg)(const QRectF& square, const QString& title, const Painter& paint);
};

} // namespace paper
