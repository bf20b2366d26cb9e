// The compass overlay on picCompas: tick ring, red direct and blue reverse
// azimuth lines, and when they are drawn.

#include "window/compass_canvas.h"
#include "window/frmRaschet.h"

#include <QLabel>
#include <QtTest>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

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

QString describe(const QPoint& p, const QColor& c)
{
    return QStringLiteral("(%1, %2) is %3").arg(p.x()).arg(p.y()).arg(c.name());
}

class PaintCounter : public QObject {
public:
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
    void initTestCase()
    {
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
        QCOMPARE(blankPicture().size(), QSize(244, 238));
    }

    // Points on each line's axis; "beyond" lies past the end of a line or
    // off both lines and must keep the blank picture.
    void azimuthLines_data()
    {
        QTest::addColumn<int>("push");
        QTest::addColumn<int>("pull");
        QTest::addColumn<Points>("red");
        QTest::addColumn<Points>("blue");
        QTest::addColumn<Points>("beyond");
        QTest::newRow("0 north, 180 south")
            << 0 << 180 << Points{{116, 100}, {116, 60}, {116, 17}} << Points{{116, 130}, {116, 170}, {116, 211}}
            << Points{{116, 11}, {116, 217}, {140, 114}, {90, 114}};
        QTest::newRow("90 east, 270 west")
            << 90 << 270 << Points{{130, 114}, {180, 114}, {213, 114}} << Points{{100, 114}, {50, 114}, {19, 114}}
            << Points{{219, 114}, {13, 114}, {116, 80}, {116, 150}};
        QTest::newRow("180 south, 0 north")
            << 180 << 0 << Points{{116, 130}, {116, 211}} << Points{{116, 100}, {116, 17}}
            << Points{{116, 217}, {116, 11}};
        QTest::newRow("270 west, 90 east")
            << 270 << 90 << Points{{100, 114}, {19, 114}} << Points{{130, 114}, {213, 114}}
            << Points{{13, 114}, {219, 114}};
        // One straight diameter, up-right red and down-left blue, at 46
        // degrees either side of the vertical.
        QTest::newRow("44 and 224")
            << 44 << 224 << Points{{150, 78}, {171, 56}, {182, 45}} << Points{{81, 150}, {60, 172}, {50, 182}}
            << Points{{188, 39}, {44, 189}, {150, 150}, {81, 78}};
    }

    void azimuthLines()
    {
        QFETCH(int, push);
        QFETCH(int, pull);
        QFETCH(Points, red);
        QFETCH(Points, blue);
        QFETCH(Points, beyond);
        frmRaschet window;
        const QImage blank = blankPicture();
        const QImage canvas = drawn(window, push, pull);
        for (const QPoint& p : red)
            QVERIFY2(canvas.pixelColor(p) == Red, qPrintable(describe(p, canvas.pixelColor(p))));
        for (const QPoint& p : blue)
            QVERIFY2(canvas.pixelColor(p) == Blue, qPrintable(describe(p, canvas.pixelColor(p))));
        for (const QPoint& p : beyond)
            QVERIFY2(canvas.pixelColor(p) == blank.pixelColor(p), qPrintable(describe(p, canvas.pixelColor(p))));
    }

    void sameDrawing_data()
    {
        QTest::addColumn<int>("push1");
        QTest::addColumn<int>("pull1");
        QTest::addColumn<int>("push2");
        QTest::addColumn<int>("pull2");
        QTest::addColumn<bool>("same");
        QTest::newRow("91 drawn like 90") << 91 << 200 << 90 << 200 << true;
        QTest::newRow("359 drawn like 358") << 359 << 200 << 358 << 200 << true;
        QTest::newRow("reverse 360 drawn like 0") << 100 << 360 << 100 << 0 << true;
        QTest::newRow("reverse 271 drawn like 270") << 100 << 271 << 100 << 270 << true;
        QTest::newRow("45 and 225 drawn like 44 and 224") << 45 << 225 << 44 << 224 << true;
        QTest::newRow("92 differs from 90") << 92 << 200 << 90 << 200 << false;
        QTest::newRow("reverse 2 differs from 0") << 100 << 2 << 100 << 0 << false;
        QTest::newRow("direct and reverse are not interchangeable") << 90 << 270 << 270 << 90 << false;
    }

    void sameDrawing()
    {
        QFETCH(int, push1);
        QFETCH(int, pull1);
        QFETCH(int, push2);
        QFETCH(int, pull2);
        QFETCH(bool, same);
        frmRaschet window;
        const QImage first = drawn(window, push1, pull1);
        const QImage second = drawn(window, push2, pull2);
        QCOMPARE(first == second, same);
    }

    void blueCoversRedWhereTheyCoincide()
    {
        frmRaschet window;
        const QImage blank = blankPicture();
        const QImage canvas = drawn(window, 0, 0);
        QCOMPARE(canvas.pixelColor(116, 60), Blue);
        int newRed = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                newRed += canvas.pixelColor(x, y) == Red && blank.pixelColor(x, y) != Red;
        QCOMPARE(newRed, 0);
    }

    // Thin black marks from radius 91 out to 96, every 18 degrees; each
    // listed pixel lies on a mark where the picture itself is not black.
    void tickMarks_data()
    {
        QTest::addColumn<int>("push");
        QTest::addColumn<int>("pull");
        QTest::addColumn<Points>("black");
        QTest::newRow("east, the first and last pass")
            << 0 << 180 << Points{{207, 114}, {208, 114}, {209, 114}, {210, 114}};
        QTest::newRow("west") << 0 << 180 << Points{{25, 114}, {24, 114}, {23, 114}, {22, 114}};
        QTest::newRow("north") << 90 << 270 << Points{{116, 23}, {116, 22}, {116, 21}, {116, 20}};
        QTest::newRow("south") << 90 << 270 << Points{{116, 205}, {116, 206}, {116, 207}, {116, 208}};
    }

    void tickMarks()
    {
        QFETCH(int, push);
        QFETCH(int, pull);
        QFETCH(Points, black);
        frmRaschet window;
        const QImage blank = blankPicture();
        const QImage canvas = drawn(window, push, pull);
        for (const QPoint& p : black) {
            QVERIFY2(blank.pixelColor(p) != Black, qPrintable(describe(p, blank.pixelColor(p))));
            QVERIFY2(canvas.pixelColor(p) == Black, qPrintable(describe(p, canvas.pixelColor(p))));
        }
    }

    void twentyMarksAroundTheRing()
    {
        frmRaschet window;
        const QImage blank = blankPicture();
        // Both lines straight up, so no mark but north is covered.
        const QImage canvas = drawn(window, 0, 0);
        for (int degrees = 0; degrees < 360; degrees += 18) {
            if (degrees == 270)
                continue;
            const double r = degrees * 3.141593 / 180;
            const QPoint mid(qRound(116 + 93.5 * std::cos(r)), qRound(114 + 93.5 * std::sin(r)));
            bool marked = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint p = mid + QPoint(dx, dy);
                    marked |= canvas.pixelColor(p) == Black && blank.pixelColor(p) != Black;
                }
            QVERIFY2(marked, qPrintable(QStringLiteral("no mark at %1 degrees").arg(degrees)));
        }
    }

    void firstPaintShowsZeroAzimuths()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage& canvas = window.picCompas->canvas();
        QTRY_COMPARE(canvas.pixelColor(116, 60), Blue);
        QCOMPARE(canvas.pixelColor(208, 114), Black);
    }

    // A paint of the window draws the overlay over what the canvas holds,
    // without restoring the blank picture first.
    void everyWindowPaintDrawsTheOverlay()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.picCompas->canvas().pixelColor(116, 60), Blue);
        window.AzimutPush = 90;
        window.AzimutPull = 180;
        window.repaint();
        const QImage& canvas = window.picCompas->canvas();
        QCOMPARE(canvas.pixelColor(180, 114), Red);
        QCOMPARE(canvas.pixelColor(116, 170), Blue);
        QCOMPARE(canvas.pixelColor(116, 60), Blue);  // left from the first paint
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

        // The widget shows the canvas at the top-left of its inside.
        const QRect inside = window.picCompas->contentsRect();
        QCOMPARE(inside.size(), QSize(229, 229));
        const QImage shown = window.picCompas->grab(inside).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage canvas = window.picCompas->canvas().copy(0, 0, inside.width(), inside.height());
        QCOMPARE(shown, canvas);
        QCOMPARE(shown.pixelColor(116, 200), Red);
    }

    void paintingSettles()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(100);
        PaintCounter picturePaints;
        window.picCompas->installEventFilter(&picturePaints);
        window.update();
        QTRY_VERIFY(picturePaints.count > 0);
        QTest::qWait(300);
        const int afterOneUpdate = picturePaints.count;
        QTest::qWait(300);
        QCOMPARE(picturePaints.count, afterOneUpdate);
    }
};

QTEST_MAIN(TestCompass)
#include "test_compass.moc"
