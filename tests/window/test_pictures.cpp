// The windows as a user sees them at start, after the worked example and
// after each clearing routine, and the compass lines in their exact colours.

#include "window_fixture.h"

#include "about/frmInfo.h"
#include "window/application.h"
#include "window/compass_canvas.h"

#include <QLabel>

namespace {

using Points = QList<QPoint>;

struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        prepareApplication(*qApp);
        QApplication::setCursorFlashTime(0);  // a caret that does not blink
        QLocale::setDefault(QLocale::c());
    }

    // At start; after the worked example typed as a user does; after each
    // clearing routine that an input error runs there.
    void mainWindow_data()
    {
        QTest::addColumn<QString>("after");
        QTest::newRow("start") << "";
        for (const char* step : {"worked-example", "ClearKorKoordinat", "ClearMyKoordinat", "ClearKorLocator"})
            QTest::newRow(step) << QString(step);
    }
    void mainWindow()
    {
        QFETCH(QString, after);
        auto window = openWindow();
        if (!after.isEmpty()) {
            window->txtMyLocator->setText(QStringLiteral("KO85TS"));
            type(window->txtKorLocator, QStringLiteral("jo62qm"));
            QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);
        }
        if (after == "ClearKorKoordinat")
            window->ClearKorKoordinat();
        else if (after == "ClearMyKoordinat")
            window->ClearMyKoordinat();
        else if (after == "ClearKorLocator")
            window->ClearKorLocator();
        comparePicture(*window, QTest::currentDataTag());
    }

    // The azimuth lines in their exact colours: pixels just inside the end
    // of each line, and just beyond both ends, which keep the blank picture.
    void compassLines_data()
    {
        QTest::addColumn<int>("push");
        QTest::addColumn<int>("pull");
        QTest::addColumn<Points>("red");
        QTest::addColumn<Points>("blue");
        QTest::addColumn<Points>("beyond");
        QTest::newRow("91 and 271 like 90 and 270") << 91 << 271 << Points{{213, 114}} << Points{{19, 114}}
                                                    << Points{{219, 114}, {13, 114}};
        QTest::newRow("360 like 0") << 180 << 360 << Points{{116, 211}} << Points{{116, 17}}
                                    << Points{{116, 217}, {116, 11}};
        // One straight diameter, 46 degrees either side of the vertical.
        QTest::newRow("44 and 224") << 44 << 224 << Points{{150, 78}, {182, 45}} << Points{{81, 150}, {50, 182}}
                                    << Points{{188, 39}, {44, 189}};
    }
    void compassLines()
    {
        QFETCH(int, push);
        QFETCH(int, pull);
        QFETCH(Points, red);
        QFETCH(Points, blue);
        QFETCH(Points, beyond);
        frmRaschet window;
        window.restoreCompass();
        window.AzimutPush = qint16(push);
        window.AzimutPull = qint16(pull);
        window.Form_Paint();
        const QImage blank = QImage(QStringLiteral(":/compass.png")).convertToFormat(QImage::Format_RGB32);
        const QImage canvas = window.picCompas->canvas().convertToFormat(QImage::Format_RGB32);
        for (const QPoint& p : red)
            QCOMPARE(canvas.pixelColor(p), QColor(255, 0, 0));
        for (const QPoint& p : blue)
            QCOMPARE(canvas.pixelColor(p), QColor(0, 0, 255));
        for (const QPoint& p : beyond)
            QCOMPARE(canvas.pixelColor(p), blank.pixelColor(p));
    }

    // A direct call shows the new lines at once; a paint of the window
    // draws them without asking for another paint.
    void compassRepaints()
    {
        auto window = openWindow();
        PaintCounter counter;
        window->picCompas->installEventFilter(&counter);
        window->AzimutPush = 180;
        window->Form_Paint();
        QTRY_VERIFY(counter.count > 0);
        const QImage shown = window->picCompas->grab(window->picCompas->contentsRect()).toImage();
        QCOMPARE(shown.pixelColor(116, 200), QColor(255, 0, 0));
        window->update();
        QTest::qWait(300);
        const int afterOneUpdate = counter.count;
        QTest::qWait(300);
        QCOMPARE(counter.count, afterOneUpdate);
    }

    void aboutWindowAtItsFirstTick()
    {
        frmInfo dialog;
        dialog.Timer1_Timer();
        comparePicture(dialog, QStringLiteral("about"));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
