// The compass overlay: a ring of tick marks, the antenna's heading when the
// rotator reports one, and the two azimuth lines, drawn into the picture
// area's image so that they stay until the blank picture is copied in again.

#include "window/frmRaschet.h"

#include "geodesy/great_circle.h"
#include "window/compass_canvas.h"
#include "window/rotator_control.h"

#include <QPainter>
#include <QScopedValueRollback>
#include <QTimer>

#include <cmath>

void frmRaschet::Form_Paint()
{
    // Fixed geometry, in pixels of the picture area's inside.
    constexpr double CentreX = 116;
    constexpr double CentreY = 114;
    constexpr double TickFrom = 91;
    constexpr double TickTo = 96;
    constexpr double AzimuthLength = 99;
    constexpr int TickStep = 9;  // k runs 0..180; the mark sits at 2k degrees
    constexpr int TickWidth = 1;
    constexpr int AzimuthWidth = 2;
    constexpr int AntennaWidth = 3;
    const QColor TickColour(0, 0, 0);
    const QColor PushColour(255, 0, 0);
    const QColor PullColour(0, 0, 255);

    QImage& canvas = picCompas->canvas();
    if (canvas.isNull())
        return;

    // Screen angle t in degrees, clockwise from east. The end points are
    // worked out in double, handed on as float and only then rounded.
    auto pointAt = [&](double radius, double t) {
        const double r = t * geodesy::Pi / 180;
        const float x = static_cast<float>(CentreX + radius * std::cos(r));
        const float y = static_cast<float>(CentreY + radius * std::sin(r));
        return QPoint(qRound(x), qRound(y));
    };
    // An odd azimuth is drawn one degree anticlockwise: 91 lies on 90.
    auto screenAngle = [](qint16 azimuth) { return (std::floor(azimuth / 2.0) - 45) * 2; };

    const QPoint centre(qRound(CentreX), qRound(CentreY));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // Square caps draw both end pixels of a mark, whichever way it points.
    painter.setPen(QPen(TickColour, TickWidth, Qt::SolidLine, Qt::SquareCap));
    for (int k = 0; k <= 180; k += TickStep)
        painter.drawLine(pointAt(TickFrom, 2 * k), pointAt(TickTo, 2 * k));

    // The antenna's heading under the azimuths and wider: on target, the
    // red line runs along the middle of the green one.
    if (const std::optional<int> heading = rotator->session().heading()) {
        painter.setPen(QPen(RotatorControl::AntennaColour, AntennaWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, pointAt(AzimuthLength, screenAngle(static_cast<qint16>(*heading))));
    }
    painter.setPen(QPen(PushColour, AzimuthWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, pointAt(AzimuthLength, screenAngle(AzimutPush)));
    // Drawn last, so it covers the direct line where both coincide.
    painter.setPen(QPen(PullColour, AzimuthWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, pointAt(AzimuthLength, screenAngle(AzimutPull)));
    painter.end();

    // A window paint shows the picture area in the same pass anyway; asking
    // for another one from there would never stop.
    if (!paintingWindow_)
        picCompas->update();
}

void frmRaschet::paintEvent(QPaintEvent*)
{
    const QScopedValueRollback<bool> guard(paintingWindow_, true);
    Form_Paint();
    if (!shown_)
        QTimer::singleShot(0, this, &frmRaschet::Form_Shown);
}
