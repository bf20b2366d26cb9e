#pragma once

#include "rotator/rotator_session.h"

#include <QColor>
#include <QList>
#include <QObject>

class QAction;
class QLabel;
class QMenu;
class QPoint;
class QShortcut;
class QWidget;
class frmRaschet;

// The main window's side of the rotator: the compass picture's context menu,
// F5, Shift+F5 and Esc, the settings dialog, the heading drawn on the
// compass, and a message box for each failure the session reports. The
// session itself, which other windows share, is here too.
class RotatorControl : public QObject
{
    Q_OBJECT

public:
    // The heading's line and words on the compass: a green that stands out
    // on the cyan star.
    static inline const QColor AntennaColour{0, 200, 0};

    explicit RotatorControl(frmRaschet* window);

    // Reads the settings and, when the heading is shown, starts polling.
    void start();
    rotator::RotatorSession& session() { return session_; }
    // Another window that shows the antenna: the heading is read while any
    // of them is in sight.
    void watch(QWidget* window);

    // Made when the menu is first asked for.
    QMenu* mnuCompas = nullptr;
    QAction* mnuTurnPush = nullptr;   // "Повернуть антенну: прямой азимут N°"
    QAction* mnuTurnPull = nullptr;   // "Повернуть антенну: обратный азимут M°"
    QAction* mnuStop = nullptr;       // "Остановить антенну"
    QAction* mnuSettings = nullptr;   // "Настройка поворотного устройства…"
    QAction* mnuMap = nullptr;        // "Карта…"
    QAction* mnuCall = nullptr;       // "Позывной…"
    QAction* mnuBeamTable = nullptr;  // "Таблица азимутов…"
    // In the compass picture's lower part, while the heading is shown:
    // "антенна 265°", or "нет связи" when the daemon does not answer.
    QLabel* lblAntenna = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenu();
    void picCompas_ContextMenu(const QPoint& at);
    void mnuTurnPush_Click();
    void mnuTurnPull_Click();
    void mnuStop_Click();
    void mnuSettings_Click();
    void Session_HeadingChanged();
    void Session_TurnEnded();
    void Session_Failed(const QString& message);

    void turnTo(qint16 azimuth);

    frmRaschet* window_;
    QList<QWidget*> views_;  // the windows that show the antenna
    rotator::RotatorSession session_;
    QShortcut* stopKey_ = nullptr;
    // Whether the window's azimuths are those of a calculation that
    // succeeded, to turn to.
    bool azimuthsValid_ = false;
};
