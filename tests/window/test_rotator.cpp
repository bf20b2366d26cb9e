// Turning the antenna from the compass menu and the keys, against a real
// rotctld with the dummy rotator: the turn followed to its end, the heading
// line, stopping, the settings dialog, and one box for each failure.

#include "window_fixture.h"

#include "window/compass_canvas.h"
#include "window/frmRotator.h"
#include "window/rotator_control.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>

#include <csignal>
#include <sys/prctl.h>

namespace {

// rotctld (libhamlib-utils) with the dummy rotator on 127.0.0.1 and a port
// the system gave as free; killed with this object, and by the kernel should
// the test die first. The dummy starts at 0 and turns about 6 degrees a second.
struct Rotctld {
    explicit Rotctld(const QStringList& options = {})
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        port = probe.serverPort();
        probe.close();
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process.start("rotctld", QStringList{"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)} + options);
        QTRY_VERIFY2_WITH_TIMEOUT(listening(), "rotctld (package libhamlib-utils) does not listen", 3000);
    }
    ~Rotctld() { kill(); }
    void kill()
    {
        process.kill();
        process.waitForFinished();
    }
    bool listening()
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        return socket.waitForConnected(200);
    }
    quint16 port = 0;
    QProcess process;
};

enum Fault { NotRunning, ReportsError, KilledMidTurn };

// Own station at 0, 0; the correspondent at 10 N, 2 E: direct azimuth 11,
// under two seconds of the dummy's turning from north; reverse 191.
void calculate(frmRaschet& window)
{
    for (QLineEdit* field : window.ring)
        field->setText(QStringLiteral("0"));
    fill(window, {"txtH2G=10", "txtD2G=2"});
    QTest::mouseClick(window.cmdRaschetLocator, Qt::LeftButton);
}

// Through the settings dialog, as a user does.
void configure(frmRaschet& window, quint16 port, bool showHeading)
{
    QTimer::singleShot(0, &window, [=] {
        auto* dialog = qobject_cast<frmRotator*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->txtHost->setText(QStringLiteral("127.0.0.1"));
        dialog->spnPort->setValue(port);
        dialog->chkHeading->setChecked(showHeading);
        dialog->accept();
    });
    window.rotator->mnuSettings->trigger();
    window.activateWindow();  // offscreen, nothing gives the activation back
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The compass menu as a right click or the menu key shows it, "(off)" after a disabled entry.
QStringList menuEntries(frmRaschet& window)
{
    Q_EMIT window.picCompas->customContextMenuRequested(QPoint(50, 50));
    QMenu* menu = window.rotator->mnuCompas;
    QStringList entries;
    for (QAction* action : menu->actions())
        if (menu->isVisible() && !action->isSeparator())
            entries << action->text().section('\t', 0, 0) + (action->isEnabled() ? "" : " (off)");
    menu->close();
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    return entries;
}

int heading(const frmRaschet& window) { return window.rotator->session().heading().value_or(-1); }

} // namespace

class TestRotator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { pinLook(); }
    void init() { QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).clear(); }

    // As it first opens: what it is for, and the defaults.
    void settingsDialog()
    {
        QString failure;
        frmRotator dialog(rotator::RotatorSettings::load(failure));
        dialog.show();
        compareLook(dialog, QStringLiteral("rotator-settings"));
    }

    // One session: the menu before and after a calculation, the settings,
    // a turn followed to its end, a stop, a minimised window.
    void turnStopAndHeading()
    {
        Rotctld daemon;
        auto window = openWindow();
        const QString settings = QStringLiteral("Настройка поворотного устройства…");
        QCOMPARE(menuEntries(*window), (QStringList{"Повернуть антенну: прямой азимут 0° (off)",
                                                    "Повернуть антенну: обратный азимут 0° (off)",
                                                    "Остановить антенну (off)", settings}));
        calculate(*window);
        QCOMPARE(menuEntries(*window), (QStringList{"Повернуть антенну: прямой азимут 11°",
                                                    "Повернуть антенну: обратный азимут 191°",
                                                    "Остановить антенну (off)", settings}));
        configure(*window, daemon.port, true);
        QString failure;
        QCOMPARE(rotator::RotatorSettings::load(failure).port, daemon.port);  // kept for the next start

        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(heading(*window), 11, 6000);
        // Green over the red direct line, at the same screen angle.
        QCOMPARE(window->picCompas->canvas().pixelColor(125, 65), QColor(0, 128, 0));
        QCOMPARE(menuEntries(*window).at(2), "Остановить антенну");  // connected now

        QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);  // to 191, far away
        QTRY_VERIFY_WITH_TIMEOUT(heading(*window) > 13, 3000);
        configure(*window, daemon.port, true);  // the same rotator: the turn is still followed
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::qWait(1500);
        const int stopped = heading(*window);
        QTest::qWait(1100);
        QCOMPARE(heading(*window), stopped);

        // Back to 11; still turning, but nothing is asked while the window
        // is minimised.
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_VERIFY(heading(*window) < stopped);
        window->showMinimized();
        const int hidden = heading(*window);
        QTest::qWait(1500);
        QCOMPARE(heading(*window), hidden);
        window->showNormal();
        QTRY_VERIFY(heading(*window) < hidden);
    }

    void failures_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("daemon not running") << int(NotRunning) << "Нет соединения с rotctld на 127.0.0.1:";
        QTest::newRow("daemon reports an error") << int(ReportsError) << "ответил ошибкой RPRT -1";
        QTest::newRow("daemon killed mid-turn") << int(KilledMidTurn) << "rotctld на 127.0.0.1:";
    }
    void failures()
    {
        QFETCH(int, fault);
        QFETCH(QString, reason);
        // Limited to 0..90, the dummy refuses 191.
        Rotctld daemon(fault == ReportsError ? QStringList{"-C", "max_az=90"} : QStringList{});
        if (fault == NotRunning)
            daemon.kill();
        auto window = openWindow();
        // With the heading shown, polls go on after the box, and must stay silent.
        configure(*window, daemon.port, fault == KilledMidTurn);
        calculate(*window);
        MessageBoxAnswerer answerer;
        QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);  // to 191
        if (fault == KilledMidTurn) {
            QTRY_VERIFY(heading(*window) > 3);
            daemon.kill();
        }
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 4000);
        QTest::qWait(1500);  // for a second box, which must not come
        const QString text = answerer.seen.first().text;
        for (const QString& expected : {QStringLiteral("Антенна не повернута."), reason, QString::number(daemon.port)})
            QVERIFY2(text.contains(expected) && text.contains(QStringLiteral("Проверьте")), qPrintable(text));
        // No heading line left: the compass as drawn without a rotator.
        QCOMPARE(heading(*window), -1);
        const QImage shown = window->picCompas->canvas();
        window->restoreCompass();
        window->Form_Paint();
        QCOMPARE(shown, window->picCompas->canvas());

        calculate(*window);
        QCOMPARE(window->lblDalnost->text(), QStringLiteral(" ДАЛЬНОСТЬ:  1134 км"));
        QCOMPARE(answerer.seen.size(), 1);
    }
};

QTEST_MAIN(TestRotator)
#include "test_rotator.moc"
