// The two simple commands of the main window: the About window and Exit.

#include "about/frmInfo.h"
#include "window/frmRaschet.h"

#include <QPushButton>
#include <QtTest>

#include <algorithm>

namespace {

struct SeenModal {
    bool seen = false;
    bool isAbout = false;
    bool modal = false;
    QWidget* parent = nullptr;
};

// Waits for the next modal window, notes what it is and closes it.
void answerNextModal(SeenModal& seen)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, &seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        poll->deleteLater();
        seen.seen = true;
        seen.isAbout = dynamic_cast<frmInfo*>(modal) != nullptr;
        seen.modal = modal->isModal();
        seen.parent = modal->parentWidget();
        modal->close();
    });
    poll->start();
}

class CloseCounter : public QObject {
public:
    int closes = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        closes += event->type() == QEvent::Close;
        return false;
    }
};

} // namespace

class TestWindowCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    }

    void infoOpensTheAboutWindowModally()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (int opening = 1; opening <= 2; ++opening) {
            SeenModal seen;
            answerNextModal(seen);
            QTest::mouseClick(window.cmdInfo, Qt::LeftButton);  // returns once it is closed
            QVERIFY2(seen.seen, qPrintable(QStringLiteral("opening %1").arg(opening)));
            QVERIFY(seen.isAbout);
            QVERIFY(seen.modal);
            QCOMPARE(seen.parent, &window);
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
        }
        const QWidgetList windows = QApplication::topLevelWidgets();
        QTRY_COMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }), 1);
    }

    // Exit ends the event loop at once; no window is asked to close first,
    // so nothing that runs on closing gets a chance to save.
    void exitEndsTheProgram()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CloseCounter counter;
        window.installEventFilter(&counter);
        QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);

        QTimer::singleShot(0, window.cmdExit, [&window] { window.cmdExit->click(); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        watchdog.start(5000);

        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(aboutToQuit.count(), 1);
        QCOMPARE(counter.closes, 0);
    }
};

QTEST_MAIN(TestWindowCommands)
#include "test_window_commands.moc"
