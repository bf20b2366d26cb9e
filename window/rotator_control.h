#pragma once

#include "rotator/rotator_client.h"
#include "window/rotator_settings.h"

#include <QObject>
#include <QTimer>

#include <optional>

class QAction;
class QMenu;
class QPoint;
class QShortcut;
class frmRaschet;

// The main window's side of the rotator: the compass picture's context menu,
// F5, Shift+F5 and Esc, the settings dialog, the heading polled once a second
// for the compass, and one message box for each failure the user meets.
class RotatorControl : public QObject
{
    Q_OBJECT

public:
    explicit RotatorControl(frmRaschet* window);

    QMenu* mnuCompas = nullptr;
    QAction* mnuTurnPush = nullptr;   // "Повернуть антенну: прямой азимут N°"
    QAction* mnuTurnPull = nullptr;   // "Повернуть антенну: обратный азимут M°"
    QAction* mnuStop = nullptr;       // "Остановить антенну"
    QAction* mnuSettings = nullptr;   // "Настройка поворотного устройства…"

private:
    void picCompas_ContextMenu(const QPoint& at);
    void mnuTurnPush_Click();
    void mnuTurnPull_Click();
    void mnuStop_Click();
    void mnuSettings_Click();
    void tmrHeading_Timer();
    void Rotator_Position(double azimuth);
    void Rotator_Done(rotator::Request request);
    void Rotator_Failed(const rotator::Failure& failure);

    void turnTo(qint16 azimuth);
    void endTurn();
    void showHeading(std::optional<qint16> heading);
    void applySettings(const RotatorSettings& chosen);
    void pollWhenNeeded();

    frmRaschet* window;
    rotator::RotatorClient client;
    RotatorSettings settings;
    QTimer tmrHeading;
    QShortcut* stopKey = nullptr;
    std::optional<qint16> target;  // the azimuth of the turn under way
};
