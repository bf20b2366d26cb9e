#pragma once

#include "paper/paper.h"

namespace paper {

// What the module gives the program.
struct Functions {
    Printed (*print)(QWidget* parent, const QString& title, const PagePainter& paint);
    QByteArray (*svg)(const QRectF& square, const QString& title, const Painter& paint);
};

} // namespace paper

// The module's one entry, looked up by this name.
extern "C" const paper::Functions* azidalPaperFunctions();
