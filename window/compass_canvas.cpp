#include "window/compass_canvas.h"

#include <QPainter>

CompassCanvas::CompassCanvas(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void CompassCanvas::setPicture(const QImage& picture)
{
    // Palette-based pictures cannot be painted on.
    image_ = picture.convertToFormat(QImage::Format_RGB32);
}

void CompassCanvas::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.setClipRect(inside);
        painter.drawImage(inside.topLeft(), image_);
        if (hasFocus()) {
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawRect(inside.adjusted(1, 1, -2, -2));
        }
    }
    QFrame::paintEvent(event);
}
