// The compass overlay on picCompas: tick ring, red direct and blue reverse
// azimuth lines, and when they are drawn.

#include "window/compass_canvas.h"
#include "window/frmRaschet.h"

#include <QLabel>
#include <QtTest>

namespace {

const QColor Red(255, 0, 0), Blue(0, 0, 255), Black(0, 0, 0);
using Points = QList<QPoint>;

QImage blankPicture()
{
    return QImage(QStringLiteral(":/compass.png")).convertToFormat(QImage::Format_RGB32);
}

// The canvas after the blank picture was restored and the overlay drawn once.
QImage drawn(frmRaschet& window, int push, int pull)
{
    window.picCompas->setPicture(window.imgCompas->pixmap().toImage());
    window.AzimutPush = qint16(push);
    window.AzimutPull = qint16(pull);
    window.Form_Paint();
    return window.picCompas->canvas().convertToFormat(QImage::Format_RGB32);
}

struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestCompass : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Pixels just inside the end of each line, and just beyond both ends,
    // which keep the blank picture.
    void azimuthLines_data()
    {
        QTest::addColumn<int>("push");
        QTest::addColumn<int>("pull");
        QTest::addColumn<Points>("red");
        QTest::addColumn<Points>("blue");
        QTest::addColumn<Points>("beyond");
        QTest::newRow("0 north, 180 south") << 0 << 180 << Points{{116, 17}} << Points{{116, 211}}
                                            << Points{{116, 11}, {116, 217}};
        QTest::newRow("90 east, 270 west") << 90 << 270 << Points{{213, 114}} << Points{{19, 114}}
                                           << Points{{219, 114}, {13, 114}};
        QTest::newRow("91 and 271 like 90 and 270") << 91 << 271 << Points{{213, 114}} << Points{{19, 114}}
                                                    << Points{{219, 114}, {13, 114}};
        QTest::newRow("360 like 0") << 180 << 360 << Points{{116, 211}} << Points{{116, 17}}
                                    << Points{{116, 217}, {116, 11}};
        // One straight diameter, 46 degrees either side of the vertical.
        QTest::newRow("44 and 224") << 44 << 224 << Points{{150, 78}, {182, 45}} << Points{{81, 150}, {50, 182}}
                                    << Points{{188, 39}, {44, 189}};
        QTest::newRow("blue over red") << 0 << 0 << Points{} << Points{{116, 60}, {116, 17}} << Points{{116, 11}};
    }
    void azimuthLines()
    {
        QFETCH(int, push);
        QFETCH(int, pull);
        QFETCH(Points, red);
        QFETCH(Points, blue);
        QFETCH(Points, beyond);
        frmRaschet window;
        const QImage blank = blankPicture(), canvas = drawn(window, push, pull);
        for (const QPoint& p : red)
            QCOMPARE(canvas.pixelColor(p), Red);
        for (const QPoint& p : blue)
            QCOMPARE(canvas.pixelColor(p), Blue);
        for (const QPoint& p : beyond)
            QCOMPARE(canvas.pixelColor(p), blank.pixelColor(p));
    }

    // A thin black mark from radius 91 out to 96, every 18 degrees.
    void tickMarks()
    {
        frmRaschet window;
        const QImage blank = blankPicture(), canvas = drawn(window, 0, 180);
        for (int x = 207; x <= 212; ++x)
            QCOMPARE(canvas.pixelColor(x, 114), Black);
        QVERIFY(blank.pixelColor(207, 114) != Black);
        QCOMPARE(canvas.pixelColor(206, 114), blank.pixelColor(206, 114));
        QCOMPARE(canvas.pixelColor(205, 143), Black);  // the next mark, at 18 degrees
        QVERIFY(blank.pixelColor(205, 143) != Black);
    }

    void aDirectCallRepaintsThePicture()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        PaintCounter counter;
        window.picCompas->installEventFilter(&counter);
        window.AzimutPush = 180;
        window.Form_Paint();
        QTRY_VERIFY(counter.count > 0);
        // Shown at the top-left of the frame's inside.
        const QRect inside = window.picCompas->contentsRect();
        const QImage shown = window.picCompas->grab(inside).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, window.picCompas->canvas().copy(0, 0, inside.width(), inside.height()));
        QCOMPARE(shown.pixelColor(116, 200), Red);
    }

    // A paint of the window draws the overlay and shows the picture area in
    // the same pass, without asking for another paint.
    void aWindowPaintDoesNotLoop()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.picCompas->canvas().pixelColor(116, 60), Blue);  // 0 and 0 at the start
        QTest::qWait(100);
        PaintCounter counter;
        window.picCompas->installEventFilter(&counter);
        window.update();
        QTRY_VERIFY(counter.count > 0);
        QTest::qWait(300);
        const int afterOneUpdate = counter.count;
        QTest::qWait(300);
        QCOMPARE(counter.count, afterOneUpdate);
    }
};

QTEST_MAIN(TestCompass)
#include "test_compass.moc"
