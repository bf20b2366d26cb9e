// Turning the antenna to the computed azimuths, and its heading on the
// compass. The rotator is a daemon on the network; nothing here waits for it.

#include "window/rotator_control.h"

#include "window/compass_canvas.h"
#include "window/frmRaschet.h"
#include "window/frmRotator.h"
#include "window/message_box.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

#include <cmath>

namespace {

constexpr int PollIntervalMs = 1000;
constexpr double ReachedWithinDegrees = 1;

} // namespace

RotatorControl::RotatorControl(frmRaschet* window)
    : QObject(window)
    , window(window)
{
    mnuCompas = new QMenu(window);
    mnuCompas->setObjectName(QStringLiteral("mnuCompas"));
    auto entry = [this](const char* name, void (RotatorControl::*handler)()) {
        QAction* action = mnuCompas->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    mnuTurnPush = entry("mnuTurnPush", &RotatorControl::mnuTurnPush_Click);
    mnuTurnPull = entry("mnuTurnPull", &RotatorControl::mnuTurnPull_Click);
    mnuStop = entry("mnuStop", &RotatorControl::mnuStop_Click);
    mnuStop->setText(QStringLiteral("Остановить антенну\tEsc"));
    mnuCompas->addSeparator();
    mnuSettings = entry("mnuSettings", &RotatorControl::mnuSettings_Click);
    mnuSettings->setText(QStringLiteral("Настройка поворотного устройства…"));

    // Right click, or the menu key while the picture has the focus.
    window->picCompas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window->picCompas, &QWidget::customContextMenuRequested, this, &RotatorControl::picCompas_ContextMenu);

    // Keys of the whole window; none of them moves the focus or clicks a
    // button. Esc is taken only while the antenna turns.
    connect(new QShortcut(QKeySequence(Qt::Key_F5), window), &QShortcut::activated, this,
            &RotatorControl::mnuTurnPush_Click);
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5), window), &QShortcut::activated, this,
            &RotatorControl::mnuTurnPull_Click);
    stopKey = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    stopKey->setEnabled(false);
    connect(stopKey, &QShortcut::activated, this, &RotatorControl::mnuStop_Click);

    tmrHeading.setInterval(PollIntervalMs);
    connect(&tmrHeading, &QTimer::timeout, this, &RotatorControl::tmrHeading_Timer);
    connect(&client, &rotator::RotatorClient::position, this, &RotatorControl::Rotator_Position);
    connect(&client, &rotator::RotatorClient::done, this, &RotatorControl::Rotator_Done);
    // Queued: the message box waits for the user outside the client's code.
    connect(&client, &rotator::RotatorClient::failed, this, &RotatorControl::Rotator_Failed, Qt::QueuedConnection);

    applySettings(RotatorSettings::load());
}

// The turn entries name the azimuths of the last calculation and wait for
// one that succeeded; stopping needs a connection.
void RotatorControl::picCompas_ContextMenu(const QPoint& at)
{
    mnuTurnPush->setText(QStringLiteral("Повернуть антенну: прямой азимут %1°\tF5").arg(window->AzimutPush));
    mnuTurnPull->setText(QStringLiteral("Повернуть антенну: обратный азимут %1°\tShift+F5").arg(window->AzimutPull));
    mnuTurnPush->setEnabled(window->AzimutValid);
    mnuTurnPull->setEnabled(window->AzimutValid);
    mnuStop->setEnabled(client.isConnected());
    mnuCompas->popup(window->picCompas->mapToGlobal(at));
}

void RotatorControl::mnuTurnPush_Click()
{
    turnTo(window->AzimutPush);
}

void RotatorControl::mnuTurnPull_Click()
{
    turnTo(window->AzimutPull);
}

void RotatorControl::turnTo(qint16 azimuth)
{
    if (!window->AzimutValid)
        return;
    target = azimuth;
    stopKey->setEnabled(true);
    client.turnTo(azimuth);
    // The turn is followed until the antenna gets there.
    pollWhenNeeded();
}

void RotatorControl::mnuStop_Click()
{
    client.stop();
}

void RotatorControl::mnuSettings_Click()
{
    frmRotator dialog(settings, window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const RotatorSettings chosen = dialog.settings();
    chosen.save();
    applySettings(chosen);
}

void RotatorControl::applySettings(const RotatorSettings& chosen)
{
    // Another rotator: what was known of the old one no longer holds.
    if (chosen.host != settings.host || chosen.port != settings.port) {
        endTurn();
        showHeading(std::nullopt);
    }
    settings = chosen;
    client.setServer(settings.host, settings.port);
    if (!settings.showHeading)
        showHeading(std::nullopt);
    pollWhenNeeded();
}

// Polls while a turn is followed or the heading is shown; a minimised window
// asks nothing.
void RotatorControl::pollWhenNeeded()
{
    if (!target && !settings.showHeading)
        tmrHeading.stop();
    else if (!tmrHeading.isActive())
        tmrHeading.start();
}

void RotatorControl::tmrHeading_Timer()
{
    if (!window->isMinimized())
        client.requestPosition();
}

void RotatorControl::Rotator_Position(double azimuth)
{
    if (target && std::abs(std::remainder(azimuth - *target, 360.0)) <= ReachedWithinDegrees)
        endTurn();
    if (settings.showHeading) {
        // Whole degrees, 0 to 359, like the azimuths beside it.
        const long whole = std::lround(azimuth) % 360;
        showHeading(static_cast<qint16>(whole < 0 ? whole + 360 : whole));
    }
}

void RotatorControl::Rotator_Done(rotator::Request request)
{
    if (request == rotator::Request::Stop)
        endTurn();
}

// A failure of what the user asked, or of following the turn, is shown once;
// one of the background polls only takes the heading off the compass.
void RotatorControl::Rotator_Failed(const rotator::Failure& failure)
{
    rotator::Failure shown = failure;
    if (target && shown.request == rotator::Request::Position)  // following the turn is what failed
        shown.request = rotator::Request::Turn;
    endTurn();
    showHeading(std::nullopt);
    if (shown.request != rotator::Request::Position)
        showMessage(window, QStringLiteral("Ошибка"), rotator::failureMessage(shown), QMessageBox::Warning,
                    MessageButtons::Ok);
}

void RotatorControl::endTurn()
{
    target.reset();
    stopKey->setEnabled(false);
    pollWhenNeeded();
}

// Drawn anew only when the whole degree changes; without a heading the
// compass is the plain one.
void RotatorControl::showHeading(std::optional<qint16> heading)
{
    if (window->AzimutAntenna == heading)
        return;
    window->AzimutAntenna = heading;
    window->restoreCompass();
    window->Form_Paint();
}
