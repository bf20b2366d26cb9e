#include "paper/paper_functions.h"

#include <QBuffer>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace paper {
namespace {

void printWithDialog(QWidget* parent, const QString& title, const PagePainter& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() == QDialog::Accepted)
        paint(printer, QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
}

QByteArray svgOf(const QRectF& square, const QString& title, const Painter& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);  // opened by the generator
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(square.size().toSize());
    svg.setViewBox(square);
    svg.setTitle(title);
    QPainter painter(&svg);
    paint(painter);
    painter.end();
    return bytes;
}

const Functions Module{printWithDialog, svgOf};

} // namespace
} // namespace paper

extern "C" Q_DECL_EXPORT const paper::Functions* azidalPaperFunctions()
{
    return &paper::Module;
}
