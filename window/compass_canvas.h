#pragma once

#include <QFrame>
#include <QImage>

// A bordered picture area that owns an image and shows it at the top-left
// corner of its inside, at natural size, cut off at the border. Drawing goes
// into the image, so what was drawn stays until another picture is assigned.
class CompassCanvas : public QFrame
{
    Q_OBJECT

public:
    explicit CompassCanvas(QWidget* parent = nullptr);

    // Replaces the image with a copy of the picture, which removes anything
    // drawn before. The copy is in a format a QPainter can draw on.
    void setPicture(const QImage& picture);

    QImage& canvas() { return image_; }
    const QImage& canvas() const { return image_; }

protected:
    // With the focus, a dotted rectangle inside the border, and nothing
    // else; QWidget repaints a widget that takes or loses the focus.
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};
