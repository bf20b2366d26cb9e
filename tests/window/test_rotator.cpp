// Turning the antenna from the compass menu and the keys, end to end against
// a real rotctld with the dummy rotator: the menu, the settings dialog, a
// turn followed to its end, the heading line, and the box of a failure. The
// session's rules are tested apart, on a clock of their own.

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

    // The menu before and after a calculation; the settings, kept for the
    // next start; F5 turns the antenna to the direct azimuth, followed until
    // it gets there, its heading green over the red line. Once the daemon is
    // gone, Shift+F5 says so, the heading leaves the compass, and the window
    // goes on calculating.
    void turnsTheAntenna()
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
        QCOMPARE(rotator::RotatorSettings::load(failure).port, daemon.port);

        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(heading(*window), 11, 10000);
        QCOMPARE(window->picCompas->canvas().pixelColor(125, 65), QColor(0, 128, 0));
        QTRY_VERIFY(!window->rotator->session().isTurning());

        daemon.kill();
        MessageBoxAnswerer answerer;
        QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 10000);
        // Refused, or closed as the daemon went, by how the kill fell.
        const QString said = answerer.seen[0].text;
        QVERIFY2(said.startsWith("Антенна не повернута.\n\n") && said.contains("127.0.0.1:" + QString::number(daemon.port)),
                 qPrintable(said));
        QCOMPARE(heading(*window), -1);
        const QImage shown = window->picCompas->canvas();
        window->restoreCompass();
        window->Form_Paint();
        QCOMPARE(shown, window->picCompas->canvas());
        calculate(*window);
        QCOMPARE(window->lblDalnost->text(), QStringLiteral(" ДАЛЬНОСТЬ:  1134 км"));
    }
};

QTEST_MAIN(TestRotator)
#include "test_rotator.moc"
