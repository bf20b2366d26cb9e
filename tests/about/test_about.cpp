#include "about/frmInfo.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

constexpr int kTwips = 15;  // 1/1440 inch per pixel at 96 dpi
constexpr int kTop = 7;     // the picture's top, 100 (1/1440 inch), in pixels

// The main window stands in as a plain top-level widget whose outer
// rectangle, frame included, is the given one.
struct MainWindow {
    QWidget widget;
    explicit MainWindow(const QRect& outer = QRect(300, 200, 519, 408))
    {
        widget.show();
        const QRect frame = widget.frameGeometry(), client = widget.geometry();
        widget.setGeometry(outer.adjusted(client.left() - frame.left(), client.top() - frame.top(),
                                          client.right() - frame.right(), client.bottom() - frame.bottom()));
    }
};

QLabel* hello(frmInfo& dialog)
{
    return dialog.findChild<QLabel*>("imgHello");
}

enum class CloseBy { Enter, AltO, Click };

} // namespace

Q_DECLARE_METATYPE(CloseBy)

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Must stay first: the slide's X and Y are static and start at 0 only
    // before any window ticked.
    void firstOpeningFirstTick()
    {
        MainWindow main;
        frmInfo dialog(&main.widget);
        QCOMPARE(hello(dialog)->geometry(), QRect(-2400 / kTwips, kTop, 159, 78));  // out of sight
        dialog.Timer1_Timer();
        QCOMPARE(hello(dialog)->pos(), QPoint(-2370 / kTwips, kTop));
    }

    // The picture restarts on the tick after its left edge passed the outer
    // width W = 5700; an edge equal to W still slides on. The position
    // outlives the window: the next opening's first tick finds it beyond W.
    void wrapsAfterPassingOuterWidth_data()
    {
        QTest::addColumn<bool>("reopen");
        QTest::newRow("same window") << false;
        QTest::newRow("next opening") << true;
    }
    void wrapsAfterPassingOuterWidth()
    {
        QFETCH(bool, reopen);
        MainWindow main;
        auto dialog = std::make_unique<frmInfo>(&main.widget);
        QCOMPARE(dialog->frameGeometry().width(), 5700 / kTwips);
        for (int expected = -2370; expected <= 5730; expected += 30) {
            dialog->Timer1_Timer();
            QCOMPARE(hello(*dialog)->pos(), QPoint(expected / kTwips, kTop));
        }
        if (reopen) {
            dialog.reset(new frmInfo(&main.widget));
            QCOMPARE(hello(*dialog)->pos(), QPoint(-2400 / kTwips, kTop));  // loading hides it again
        }
        dialog->Timer1_Timer();
        QCOMPARE(hello(*dialog)->pos(), QPoint(-2400 / kTwips, kTop));
    }

    // Centre on centre, outer rectangles, not kept on the 800 × 600 screen.
    void centredOnMainWindow_data()
    {
        QTest::addColumn<QRect>("mainWindow");
        QTest::newRow("on the screen") << QRect(300, 200, 519, 408);
        QTest::newRow("beyond the screen") << QRect(3000, 2000, 516, 405);
        QTest::newRow("smaller than the dialog") << QRect(-400, -300, 100, 51);
    }
    void centredOnMainWindow()
    {
        QFETCH(QRect, mainWindow);
        MainWindow main(mainWindow);
        frmInfo dialog(&main.widget);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect outer = dialog.frameGeometry();
        // Twice the distance between the centres, so that half pixels count.
        const QPoint offset = (outer.topLeft() - mainWindow.topLeft()) * 2
                              + QPoint(outer.width() - mainWindow.width(), outer.height() - mainWindow.height());
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
                 qPrintable(QStringLiteral("off by %1, %2 half pixels").arg(offset.x()).arg(offset.y())));
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
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QCOMPARE(QApplication::focusWidget(), ok);
            QTRY_VERIFY(hello(dialog)->x() > -2370 / kTwips);  // the picture slides on its own
            if (how == CloseBy::Enter)
                QTest::keyClick(ok, Qt::Key_Return);
            else if (how == CloseBy::AltO)  // Cyrillic О: Qt's key code is the capital letter
                QTest::sendKeyEvent(QTest::Click, ok, Qt::Key(0x041E), QStringLiteral("о"), Qt::AltModifier);
            else
                QTest::mouseClick(ok, Qt::LeftButton);
        });
        QTimer::singleShot(5000, &dialog, &QDialog::reject);  // should nothing close it
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(!dialog.findChild<QTimer*>("Timer1")->isActive());
    }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << "Label4" << "AZIDAL";
        QTest::newRow("version") << "Label5" << "Версия 2.0";
        QTest::newRow("copyright") << "Label6" << "© 2026 авторы AZIDAL";
        QTest::newRow("contact") << "Label1" << "Замечания и предложения: через трекер задач проекта";
        QTest::newRow("description")
            << "Label2"
            << "Программа предназначена для расчета АЗИМУТА и ДАЛЬНОСТИ корреспондента. "
               "Расчет может проводится как по координатам, так и по локатору. "
               "На рисунке изображен азимут прямой и обратный.";
        QTest::newRow("button") << "cmdOK" << "&ОК";
        QTest::newRow("window") << "frmInfo" << "О программе...";
    }
    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        frmInfo dialog;
        const bool window = name == dialog.objectName();
        QObject* control = window ? &dialog : dialog.findChild<QObject*>(name);
        QVERIFY(control);
        QCOMPARE(control->property(window ? "windowTitle" : "text").toString(), text);
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
