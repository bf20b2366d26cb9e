// The About window's behaviour: where it opens, the sliding picture, how it
// closes. How it looks is in the window picture tests.

#include "about/frmInfo.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Positions in 1/1440 inch as pixels at 96 dpi; the picture's top is 100.
QPoint at(int left) { return QPoint(left / 15, 7); }

// The main window stands in as a plain top-level widget at the given outer
// rectangle (offscreen, windows have no frame).
struct MainWindow {
    QWidget widget;
    HelloSlide slide;
    explicit MainWindow(const QRect& outer = QRect(300, 200, 519, 408))
    {
        widget.setGeometry(outer);
        widget.show();
    }
};

QPoint hello(frmInfo& dialog) { return dialog.findChild<QLabel*>("imgHello")->pos(); }

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The picture starts out of sight and slides 30 a tick; it restarts on
    // the tick after its left edge passed the outer width, 5700 (the look's
    // 380 pixels), from where it stands even in the next opening.
    void slides()
    {
        MainWindow main;
        auto dialog = std::make_unique<frmInfo>(&main.widget, main.slide);
        for (int expected = -2400; expected <= 5730; expected += 30) {
            if (expected > -2400)
                dialog->Timer1_Timer();
            QCOMPARE(hello(*dialog), at(expected));
        }
        dialog.reset(new frmInfo(&main.widget, main.slide));
        QCOMPARE(hello(*dialog), at(-2400));  // loading hides it again
        dialog->Timer1_Timer();
        QCOMPARE(hello(*dialog), at(-2400));
        dialog->Timer1_Timer();
        QCOMPARE(hello(*dialog), at(-2370));
    }

    // Centre on centre, outer rectangles, not kept on the screen.
    void centredOnMainWindow_data()
    {
        QTest::addColumn<QRect>("mainWindow");
        QTest::newRow("on the screen") << QRect(300, 200, 519, 408);
        QTest::newRow("smaller than the dialog") << QRect(-400, -300, 100, 51);
    }
    void centredOnMainWindow()
    {
        QFETCH(QRect, mainWindow);
        MainWindow main(mainWindow);
        frmInfo dialog(&main.widget, main.slide);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Twice the distance between the centres, so that half pixels count.
        const QRect outer = dialog.frameGeometry();
        const QPoint offset = (outer.topLeft() - mainWindow.topLeft()) * 2
                              + QPoint(outer.width() - mainWindow.width(), outer.height() - mainWindow.height());
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1, qPrintable(QString("off by %1, %2 half pixels")
                                                                                 .arg(offset.x()).arg(offset.y())));
    }

    // ОК has the focus while the picture slides on its own; Enter closes the
    // window and stops the slide. Alt+О is ОК's access key.
    void closes()
    {
        MainWindow main;
        frmInfo dialog(&main.widget, main.slide);
        auto* ok = dialog.findChild<QPushButton*>("cmdOK");
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QCOMPARE(QApplication::focusWidget(), ok);
            QTRY_VERIFY(hello(dialog).x() > at(-2370).x());
            QTest::keyClick(ok, Qt::Key_Return);
        });
        QTimer::singleShot(5000, &dialog, &QDialog::reject);  // should nothing close it
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(!dialog.findChild<QTimer*>("Timer1")->isActive());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
