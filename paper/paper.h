#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;
class QWidget;

// Printing and SVG writing. Qt's modules for them come with a module of the
// program's own, loaded the first time either is used: linked into the
// program, they would be loaded before `main` at every start-up.
namespace paper {

// Paints on the printer's pages, given the printable part of the page in
// the printer's pixels.
using PagePainter = std::function<void(QPagedPaintDevice& printer, const QRectF& page)>;
using Painter = std::function<void(QPainter& painter)>;

// Asks for a printer in the system's print dialog, titled `title` over
// `parent`, and prints with `paint` unless the user cancels; false when the
// module cannot be loaded.
bool print(QWidget* parent, const QString& title, const PagePainter& paint);

// An SVG of `square` drawn by `paint`, as Qt's generator writes it; none
// when the module cannot be loaded.
std::optional<QByteArray> svg(const QRectF& square, const QString& title, const Painter& paint);

// What a window tells the user when the module cannot be loaded.
QString unavailableText();

} // namespace paper
