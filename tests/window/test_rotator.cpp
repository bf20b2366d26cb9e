// Turning the antenna from the compass menu and the keys, end to end against
// a real rotctld with the dummy rotator: the menu, the settings dialog, a
// turn followed to its end, the heading line and the map's, and the box of a
// failure. The session's rules are tested apart, on a clock of their own.

#include "settings/settings_file.h"
#include "window_fixture.h"

#include "window/compass_canvas.h"
#include "map_window/frmMap.h"
#include "rotator_window/frmRotator.h"
#include "map_window/map_view.h"
#include "window/rotator_control.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
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

QString focused(frmRaschet& window) { return window.focusWidget()->objectName(); }

int heading(const frmRaschet& window) { return window.rotator->session().heading().value_or(-1); }

// The centre and the correspondents the map shows.
QString stationsOn(const frmMap& map)
{
    QString text;
    for (const map::MapStation& s : {map.mapView->scene().own, map.mapView->scene().correspondents.at(0)})
        text += QString(" %1 %2,%3").arg(s.locator).arg(s.position.latitude).arg(s.position.longitude);
    return text;
}

} // namespace

class TestRotator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { pinLook(); }
    void init() { settingsFile().clear(); }

    // As it first opens: what it is for, and the defaults.
    void settingsDialog()
    {
        QString failure;
        frmRotator dialog(rotator::RotatorSettings::load(failure));
        dialog.show();
        compareLook(dialog, QStringLiteral("rotator-settings"));
    }

    // The menu before and after a calculation, opened by a right click that
    // leaves the focus in its field; the settings, kept for the next start;
    // the map, from F6 and from «Карта…». F5 turns the antenna to the direct
    // azimuth, followed until it gets there, and can be stopped just while
    // it turns; its heading in words, as a wider green line under the red
    // one, and on the map. Once the daemon is gone, Shift+F5 says so, the
    // compass says «нет связи» and shows no heading, and the window goes on
    // calculating: the map follows each calculation that succeeds and keeps
    // its picture after one that fails. What lies under the mouse is the map
    // window's test's.
    void turnsTheAntenna()
    {
        Rotctld daemon;
        auto window = openWindow();
        const QString settings = QStringLiteral("Настройка поворотного устройства…");
        QCOMPARE(menuEntries(*window), (QStringList{"Повернуть антенну: прямой азимут 0° (off)",
                                                    "Повернуть антенну: обратный азимут 0° (off)",
                                                    "Остановить антенну (off)", settings, "Карта…", "Позывной…",
                                                    "Таблица азимутов…"}));
        calculate(*window);
        QCOMPARE(menuEntries(*window), (QStringList{"Повернуть антенну: прямой азимут 11°",
                                                    "Повернуть антенну: обратный азимут 191°",
                                                    "Остановить антенну (off)", settings, "Карта…", "Позывной…",
                                                    "Таблица азимутов…"}));
        // A right click, as the window system gives it: the press, then the
        // request for the menu.
        QTest::mousePress(window->picCompas, Qt::RightButton, {}, QPoint(50, 50));
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(50, 50), window->picCompas->mapToGlobal(QPoint(50, 50)));
        QApplication::sendEvent(window->picCompas, &click);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
        QCOMPARE(focused(*window), QStringLiteral("txtH2G"));
        configure(*window, daemon.port, true);
        QString failure;
        QCOMPARE(rotator::RotatorSettings::load(failure).port, daemon.port);
        QTest::keyClick(window.get(), Qt::Key_F6);
        frmMap* map = window->map();
        QVERIFY(map && map->isVisible());
        QCOMPARE(stationsOn(*map), QStringLiteral(" JJ00AA 0,0 10°0′0″ 2°0′0″ 10,2"));
        map->close();
        window->rotator->mnuMap->trigger();
        QVERIFY(window->map() == map && map->isVisible());

        QTest::keyClick(window.get(), Qt::Key_F5);
        QCOMPARE(menuEntries(*window).at(2), "Остановить антенну");
        QTRY_COMPARE_WITH_TIMEOUT(heading(*window), 11, 10000);
        QTRY_VERIFY(!window->rotator->session().isTurning());
        QCOMPARE(menuEntries(*window).at(2), "Остановить антенну (off)");
        QCOMPARE(window->rotator->lblAntenna->text(), QStringLiteral("антенна 11°"));
        QVERIFY(window->rotator->lblAntenna->isVisibleTo(window.get()));
        QCOMPARE(map->mapView->scene().heading, std::optional<int>(11));
        // Along the lines, the green one shows beside the red.
        QString across;
        for (int i = 0; i < 14 * 23; ++i) {
            const QColor c = window->picCompas->canvas().pixelColor(114 + i % 23, 30 + 5 * (i / 23));
            across += i % 23 == 22 ? '\n' : c == Qt::red ? 'r' : c == RotatorControl::AntennaColour ? 'g' : '.';
        }
        QVERIFY2(across.contains("gr") || across.contains("rg"), qPrintable(across));

        daemon.kill();
        MessageBoxAnswerer answerer;
        QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 10000);
        // Refused, or closed as the daemon went, by how the kill fell.
        const auto told = [&daemon](rotator::FailureKind kind) {
            return rotator::failureMessage({kind, rotator::Request::Turn, 0, QStringLiteral("127.0.0.1"), daemon.port});
        };
        const QString said = answerer.seen[0].text;
        QVERIFY2(said == told(rotator::FailureKind::NotConnected) || said == told(rotator::FailureKind::ConnectionLost),
                 qPrintable(said));
        QCOMPARE(answerer.seen[0].title, QStringLiteral("Ошибка"));
        QCOMPARE(heading(*window), -1);
        QCOMPARE(window->rotator->lblAntenna->text(), QStringLiteral("нет связи"));
        const QImage shown = window->picCompas->canvas();
        window->restoreCompass();
        window->Form_Paint();
        QCOMPARE(shown, window->picCompas->canvas());
        fill(*window, {"txtH1G=20"});
        QTest::mouseClick(window->cmdRaschetLocator, Qt::LeftButton);
        QCOMPARE(stationsOn(*map), QStringLiteral(" JL00AA 20,0 10°0′0″ 2°0′0″ 10,2"));
        fill(*window, {"txtH2G=95"});
        QTest::mouseClick(window->cmdRaschetLocator, Qt::LeftButton);
        QTRY_COMPARE(answerer.seen.size(), 2);
        QCOMPARE(stationsOn(*map), QStringLiteral(" JL00AA 20,0 10°0′0″ 2°0′0″ 10,2"));
    }
};

QTEST_MAIN(TestRotator)
#include "test_rotator.moc"
