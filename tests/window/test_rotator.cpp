// Turning the antenna from the compass menu and the keys, against a real
// rotctld with the dummy rotator: the turn followed to its end, the heading
// line, stopping, the settings dialog, and one box for each failure.

#include "../rotator/rotctld.h"
#include "message_boxes.h"
#include "window_fixture.h"

#include "window/compass_canvas.h"
#include "window/frmRotator.h"
#include "window/rotator_control.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

namespace {

const QColor Green(0, 128, 0);
enum Fault { NotRunning, ReportsError, KilledMidTurn };

// Own station at 0, 0; the correspondent at 10 N, 2 E: direct azimuth 11,
// under two seconds of the dummy's turning from north; reverse 191.
void calculate(frmRaschet& window)
{
    for (QLineEdit* field : {window.txtH1G, window.txtH1M, window.txtH1S, window.txtD1G, window.txtD1M,
                             window.txtD1S, window.txtD2M, window.txtH2M})
        field->setText(QStringLiteral("0"));
    window.txtH2G->setText(QStringLiteral("10"));
    window.txtD2G->setText(QStringLiteral("2"));
    window.lblDalnost->clear();
    QTest::mouseClick(window.cmdRaschetLocator, Qt::LeftButton);
    QCOMPARE(window.lblAzimutPush->text(), QStringLiteral(" АЗИМУТ прямой:      11 град."));
}

// Through the settings dialog, as a user does.
void configure(frmRaschet& window, quint16 port, bool showHeading)
{
    QTimer::singleShot(0, &window, [=] {
        auto* dialog = qobject_cast<frmRotator*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->txtHost->setText(QStringLiteral("127.0.0.1"));
        dialog->txtPort->setValue(port);
        dialog->chkHeading->setChecked(showHeading);
        dialog->accept();
    });
    window.rotator->mnuSettings->trigger();
    // Offscreen, nothing gives the activation back when a dialog closes.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The compass menu as a right click shows it, "(off)" after a disabled entry.
QStringList menuEntries(frmRaschet& window)
{
    const QPoint at(50, 50);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, window.picCompas->mapToGlobal(at));
    QApplication::sendEvent(window.picCompas, &click);
    QMenu* menu = window.rotator->mnuCompas;
    QStringList entries;
    for (QAction* action : menu->actions())
        if (menu->isVisible() && !action->isSeparator())
            entries << action->text().section('\t', 0, 0) + (action->isEnabled() ? "" : " (off)");
    menu->close();
    window.activateWindow();  // offscreen, the closed menu keeps it
    QTest::qWaitForWindowActive(&window);
    return entries;
}

int heading(const frmRaschet& window)
{
    return window.AzimutAntenna.value_or(-1);
}

} // namespace

class TestRotator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9)); }
    void init() { QSettings(QStringLiteral("azidal"), QStringLiteral("azidal")).clear(); }

    void menuFollowsTheCalculation()
    {
        auto window = openWindow();
        QCOMPARE(menuEntries(*window),
                 (QStringList{"Повернуть антенну: прямой азимут 0° (off)",
                              "Повернуть антенну: обратный азимут 0° (off)", "Остановить антенну (off)",
                              "Настройка поворотного устройства…"}));
        calculate(*window);
        QCOMPARE(menuEntries(*window),
                 (QStringList{"Повернуть антенну: прямой азимут 11°", "Повернуть антенну: обратный азимут 191°",
                              "Остановить антенну (off)", "Настройка поворотного устройства…"}));
    }

    void turnStopAndHeading()
    {
        Rotctld daemon;
        auto window = openWindow();
        configure(*window, daemon.port, true);
        const RotatorSettings kept = RotatorSettings::load();
        QCOMPARE(kept.host + ':' + QString::number(kept.port), "127.0.0.1:" + QString::number(daemon.port));
        QVERIFY(kept.showHeading);
        calculate(*window);

        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(heading(*window), 11, 6000);
        // Green over the red direct line, at the same screen angle.
        QCOMPARE(window->picCompas->canvas().pixelColor(125, 65), Green);
        QCOMPARE(menuEntries(*window).at(2), "Остановить антенну");  // connected now

        QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);  // to 191, far away
        QTRY_VERIFY_WITH_TIMEOUT(heading(*window) > 13, 3000);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::qWait(1500);
        const int stopped = heading(*window);
        QTest::qWait(1100);
        QCOMPARE(heading(*window), stopped);
        QVERIFY(stopped < 30);
    }

    // Nothing asks the rotator while the window is minimised.
    void minimisedWindowDoesNotPoll()
    {
        Rotctld daemon;
        auto window = openWindow();
        configure(*window, daemon.port, true);
        QTRY_COMPARE(heading(*window), 0);
        window->showMinimized();
        QTcpSocket other;
        other.connectToHost(QHostAddress::LocalHost, daemon.port);
        QVERIFY(other.waitForConnected());
        other.write("P 30 0\n");
        QTest::qWait(1500);
        QCOMPARE(heading(*window), 0);
        window->showNormal();
        QTRY_VERIFY(heading(*window) > 0);
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
        QTest::qWait(1500);
        QCOMPARE(answerer.seen.size(), 1);
        const SeenBox& box = answerer.seen.first();
        QCOMPARE(box.title, QStringLiteral("Ошибка"));
        for (const QString& part : {QStringLiteral("Антенна не повернута."), reason, QString::number(daemon.port),
                                    QStringLiteral("Проверьте")})
            QVERIFY2(box.text.contains(part), qPrintable(box.text));
        QCOMPARE(heading(*window), -1);
        // No heading line left: the compass as drawn without a rotator.
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
