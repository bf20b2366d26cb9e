#include "about/frmInfo.h"
#include "classic_font.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>


namespace {

constexpr int kTwips = 15;  // 1/1440 inch per pixel at 96 dpi

// The main window stands in as a plain top-level widget whose outer
// rectangle, frame included, is the given one.
struct MainWindow {
    QWidget widget;
    explicit MainWindow(const QRect& outer = QRect(300, 200, 519, 408))
    {
        widget.show();
        const QRect frame = widget.frameGeometry(), client = widget.geometry();
        widget.setGeometry(outer.adjusted(client.left() - frame.left(),
                                          client.top() - frame.top(),
                                          client.right() - frame.right(),
                                          client.bottom() - frame.bottom()));
    }
};

QLabel* hello(frmInfo& dialog)
{
    return dialog.findChild<QLabel*>("imgHello");
}

// The picture's left edge in 1/1440 inch; it moves in steps of 2 pixels, so
// the pixel position gives it exactly.
int helloLeft(frmInfo& dialog)
{
    return hello(dialog)->x() * kTwips;
}

// Top 100 (1/1440 inch) shown on the nearest pixel.
constexpr int kBandTopPixels = 7;

enum class CloseBy { Enter, AltO, Click };

} // namespace

Q_DECLARE_METATYPE(CloseBy)

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setFont(classicFont(8.25));
    }

    // Runs first: X and Y start at 0 only before any window ticked.
    void firstOpeningFirstTick()
    {
        MainWindow main;
        frmInfo dialog(&main.widget);

        QCOMPARE(hello(dialog)->pos(), QPoint(-2400 / kTwips, kBandTopPixels));
        QVERIFY2(hello(dialog)->geometry().right() < 0, "the picture must start out of sight");

        dialog.Timer1_Timer();
        QCOMPARE(hello(dialog)->pos(), QPoint(-2370 / kTwips, kBandTopPixels));
        QCOMPARE(hello(dialog)->geometry().right(), 0);  // right edge at the left border
        QCOMPARE(hello(dialog)->size(), QSize(159, 78));
    }

    void slidesOnItsOwn()
    {
        MainWindow main;
        frmInfo dialog(&main.widget);
        const auto* timer = dialog.findChild<QTimer*>("Timer1");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 50);

        dialog.show();
        QTRY_VERIFY_WITH_TIMEOUT(hello(dialog)->x() >= -2370 / kTwips + 2, 2000);
        QCOMPARE(hello(dialog)->y(), kBandTopPixels);
        dialog.close();
        QVERIFY(!timer->isActive());
    }

    // The picture restarts only on the tick after its left edge passed the
    // outer width W; a left edge equal to W still slides on.
    void wrapsAfterPassingOuterWidth_data()
    {
        QTest::addColumn<int>("outerWidthPixels");
        QTest::addColumn<int>("lastLeft");
        QTest::newRow("W 5700: passes 5700 exactly") << 380 << 5730;
        QTest::newRow("W 5790: restarts after 5820") << 386 << 5820;
        QTest::newRow("W 5715: steps over W") << 381 << 5730;
    }
    void wrapsAfterPassingOuterWidth()
    {
        QFETCH(int, outerWidthPixels);
        QFETCH(int, lastLeft);
        MainWindow main;
        frmInfo dialog(&main.widget);
        dialog.setFixedWidth(outerWidthPixels);
        QCOMPARE(dialog.frameGeometry().width(), outerWidthPixels);

        for (int expected = -2370; expected <= lastLeft; expected += 30) {
            dialog.Timer1_Timer();
            QCOMPARE(helloLeft(dialog), expected);
            QCOMPARE(hello(dialog)->y(), kBandTopPixels);
        }
        dialog.Timer1_Timer();
        QCOMPARE(hello(dialog)->pos(), QPoint(-2400 / kTwips, kBandTopPixels));
        dialog.Timer1_Timer();
        QCOMPARE(helloLeft(dialog), -2370);
    }

    // X and Y outlive the window: a new opening whose first tick finds the
    // stored X beyond the width restarts the picture instead of moving it.
    void positionCarriesIntoNextOpening()
    {
        MainWindow main;
        {
            frmInfo first(&main.widget);
            do
                first.Timer1_Timer();
            while (helloLeft(first) <= 5700);
            QCOMPARE(helloLeft(first), 5730);
        }
        frmInfo second(&main.widget);
        QCOMPARE(helloLeft(second), -2400);  // loading always hides it again
        second.Timer1_Timer();
        QCOMPARE(hello(second)->pos(), QPoint(-2400 / kTwips, kBandTopPixels));
        second.Timer1_Timer();
        QCOMPARE(helloLeft(second), -2370);
    }

    // Centre on centre using outer rectangles (frame included), without
    // keeping the window on the screen (the offscreen screen is 800 × 600).
    void centredOnMainWindow_data()
    {
        QTest::addColumn<QRect>("mainWindow");
        QTest::newRow("on the screen") << QRect(300, 200, 519, 408);
        QTest::newRow("beyond the screen") << QRect(3000, 2000, 516, 405);
        QTest::newRow("above and left of it") << QRect(-400, -300, 600, 401);
        QTest::newRow("smaller than the dialog") << QRect(10, 10, 100, 51);
    }
    void centredOnMainWindow()
    {
        QFETCH(QRect, mainWindow);
        MainWindow main(mainWindow);
        QCOMPARE(main.widget.frameGeometry(), mainWindow);

        frmInfo dialog(&main.widget);
        const QPoint placed = dialog.frameGeometry().topLeft();  // before it is shown
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect outer = dialog.frameGeometry();
        QCOMPARE(outer.topLeft(), placed);
        // Twice the centre, so that a half pixel is a whole number.
        const QPoint centre2 = outer.topLeft() * 2 + QPoint(outer.width(), outer.height());
        const QPoint mainCentre2 =
            mainWindow.topLeft() * 2 + QPoint(mainWindow.width(), mainWindow.height());
        QVERIFY2(qAbs(centre2.x() - mainCentre2.x()) <= 1 && qAbs(centre2.y() - mainCentre2.y()) <= 1,
                 qPrintable(QStringLiteral("dialog at %1,%2 %3×%4")
                                .arg(outer.x()).arg(outer.y()).arg(outer.width()).arg(outer.height())));
        dialog.close();
    }

    void closes_data()
    {
        QTest::addColumn<CloseBy>("how");
        QTest::newRow("Enter") << CloseBy::Enter;
        QTest::newRow("Alt+О") << CloseBy::AltO;
        QTest::newRow("click on ОК") << CloseBy::Click;
    }
    void closes()
    {
        QFETCH(CloseBy, how);
        MainWindow main;
        frmInfo dialog(&main.widget);
        auto* ok = dialog.findChild<QPushButton*>("cmdOK");
        QVERIFY(ok);

        QWidget* modalWhileOpen = nullptr;
        QWidget* focusWhileOpen = nullptr;
        bool acted = false;
        QTimer::singleShot(0, &dialog, [&] {
            if (!QTest::qWaitForWindowActive(&dialog))
                return;
            modalWhileOpen = QApplication::activeModalWidget();
            focusWhileOpen = QApplication::focusWidget();
            acted = true;
            switch (how) {
            case CloseBy::Enter:
                QTest::keyClick(focusWhileOpen, Qt::Key_Return);
                break;
            case CloseBy::AltO:
                // Cyrillic О: Qt's key code is the capital letter's code point.
                QTest::sendKeyEvent(QTest::Click, focusWhileOpen, Qt::Key(0x041E),
                                    QStringLiteral("о"), Qt::AltModifier);
                break;
            case CloseBy::Click:
                QTest::mouseClick(ok, Qt::LeftButton);
                break;
            }
        });
        // Should the key not close it, this does, and exec() reports Rejected.
        QTimer::singleShot(5000, &dialog, [&] { dialog.reject(); });

        const int result = dialog.exec();  // as the main window opens it

        QVERIFY(acted);
        QCOMPARE(modalWhileOpen, &dialog);
        QCOMPARE(focusWhileOpen, ok);
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.findChild<QTimer*>("Timer1")->isActive());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << "Label4" << "AZIDAL";
        QTest::newRow("version") << "Label5" << "Версия 2.0";
        QTest::newRow("copyright") << "Label6" << "© 2026 авторы AZIDAL";
        QTest::newRow("contact")
            << "Label1" << "Замечания и предложения: через трекер задач проекта";
        QTest::newRow("description")
            << "Label2"
            << "Программа предназначена для расчета АЗИМУТА и ДАЛЬНОСТИ корреспондента. "
               "Расчет может проводится как по координатам, так и по локатору. "
               "На рисунке изображен азимут прямой и обратный.";
        QTest::newRow("button") << "cmdOK" << "&ОК";
    }
    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        frmInfo dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("О программе..."));
        if (auto* label = dialog.findChild<QLabel*>(name))
            QCOMPARE(label->text(), text);
        else if (auto* button = dialog.findChild<QPushButton*>(name))
            QCOMPARE(button->text(), text);
        else
            QFAIL("no such control");
    }

    // Positions and sizes in 1/1440 inch, relative to the window or, for the
    // labels, to fraInfo; within a pixel of rounding.
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("fraInfo") << "fraInfo" << "frmInfo" << QRect(120, 1320, 5532, 3012);
        QTest::newRow("Label4") << "Label4" << "fraInfo" << QRect(120, 240, 5292, 372);
        QTest::newRow("Label5") << "Label5" << "fraInfo" << QRect(120, 840, 2292, 252);
        QTest::newRow("Label6") << "Label6" << "fraInfo" << QRect(120, 1080, 4332, 252);
        QTest::newRow("Label1") << "Label1" << "fraInfo" << QRect(120, 1320, 5292, 252);
        QTest::newRow("Label2") << "Label2" << "fraInfo" << QRect(120, 1800, 4932, 852);
        QTest::newRow("cmdOK") << "cmdOK" << "frmInfo" << QRect(2280, 4440, 1212, 492);
        // A 3-pixel line from (120, y) to (5400, y).
        QTest::newRow("Line1") << "Line1" << "fraInfo" << QRect(120, 720 - 15, 5280, 45);
        QTest::newRow("Line2") << "Line2" << "fraInfo" << QRect(120, 1680 - 15, 5280, 45);
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, parentName);
        QFETCH(QRect, twips);
        frmInfo dialog;
        QCOMPARE(dialog.size(), QSize(380, 335));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());

        auto* control = dialog.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parentName);
        const QRect got = control->geometry();
        const QRect want(twips.x() / kTwips, twips.y() / kTwips, twips.width() / kTwips,
                         twips.height() / kTwips);
        const auto near = [](int a, int b) { return qAbs(a - b) <= 1; };
        QVERIFY2(near(got.x(), want.x()) && near(got.y(), want.y())
                     && near(got.width(), want.width()) && near(got.height(), want.height()),
                 qPrintable(QStringLiteral("got %1,%2 %3×%4")
                                .arg(got.x()).arg(got.y()).arg(got.width()).arg(got.height())));
    }

    void look()
    {
        frmInfo dialog;
        const Qt::WindowFlags flags = dialog.windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!dialog.windowIcon().isNull());

        const auto* title = dialog.findChild<QLabel*>("Label4");
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(title->alignment() & Qt::AlignHCenter);
        QCOMPARE(title->frameShape(), QFrame::Box);
        QCOMPARE(title->font().pointSizeF(), 12.0);
        QVERIFY(title->font().bold() && title->font().italic());

        const auto* version = dialog.findChild<QLabel*>("Label5");
        QCOMPARE(version->font().pointSizeF(), 8.25);
        QVERIFY(!version->font().bold() && !version->font().italic());

        const auto* ok = dialog.findChild<QPushButton*>("cmdOK");
        QVERIFY(ok->isDefault());
        QVERIFY(ok->font().bold());
        QCOMPARE(ok->font().pointSizeF(), 8.25);

        for (const char* name : {"Line1", "Line2"})
            QCOMPARE(dialog.findChild<QFrame*>(name)->lineWidth(), 3);

        // The description wraps inside its box without being cut off.
        const auto* description = dialog.findChild<QLabel*>("Label2");
        QVERIFY(description->wordWrap());
        QVERIFY(description->heightForWidth(description->width()) <= description->height());
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("window icon") << ":/azidal.png" << QSize(32, 32);
        QTest::newRow("compass") << ":/compass.png" << QSize(244, 238);
        QTest::newRow("greeting") << ":/hello.png" << QSize(159, 78);
    }
    void pictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QCOMPARE(QImage(path).size(), size);
    }

    // The compass picture as the azimuth overlay expects it.
    void compassPicture_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        const QColor black(0, 0, 0), red(255, 0, 0), white(255, 255, 255);
        QTest::newRow("ring, west") << QPoint(20, 115) << black;
        QTest::newRow("ring, east") << QPoint(211, 115) << black;
        QTest::newRow("ring, north") << QPoint(116, 19) << black;
        QTest::newRow("ring, south") << QPoint(116, 211) << black;
        QTest::newRow("outside the ring") << QPoint(116, 17) << white;
        QTest::newRow("N") << QPoint(113, 6) << red;
        QTest::newRow("E") << QPoint(221, 116) << red;
        QTest::newRow("S") << QPoint(119, 217) << red;
        QTest::newRow("W") << QPoint(4, 108) << red;
        QTest::newRow("screw rim, top left") << QPoint(6, 12) << black;
        QTest::newRow("border, top left") << QPoint(0, 0) << QColor(255, 255, 0);
    }
    void compassPicture()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        QCOMPARE(QImage(":/compass.png").pixelColor(at), colour);
    }

    void cleanup()
    {
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
