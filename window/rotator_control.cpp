// Turning the antenna to the computed azimuths, and its heading on the
// compass. The session with the rotator does the work; nothing here waits
// for it.

#include "window/rotator_control.h"

#include "window/compass_canvas.h"
#include "window/frmRaschet.h"
#include "window/frmRotator.h"
#include "window/message_box.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QShortcut>

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

    connect(window, &frmRaschet::calculated, this, [this] { azimuthsValid = true; });
    connect(window, &frmRaschet::calculationFailed, this, [this] { azimuthsValid = false; });
    connect(&session_, &rotator::RotatorSession::headingChanged, this, &RotatorControl::Session_HeadingChanged);
    connect(&session_, &rotator::RotatorSession::turnEnded, this, &RotatorControl::Session_TurnEnded);
    connect(&session_, &rotator::RotatorSession::failed, this, &RotatorControl::Session_Failed);
    // A minimised window asks nothing of the rotator.
    window->installEventFilter(this);
    session_.start();
}

// The turn entries name the azimuths of the last calculation and wait for
// one that succeeded; stopping needs a connection.
void RotatorControl::picCompas_ContextMenu(const QPoint& at)
{
    mnuTurnPush->setText(QStringLiteral("Повернуть антенну: прямой азимут %1°\tF5").arg(window->AzimutPush));
    mnuTurnPull->setText(QStringLiteral("Повернуть антенну: обратный азимут %1°\tShift+F5").arg(window->AzimutPull));
    mnuTurnPush->setEnabled(azimuthsValid);
    mnuTurnPull->setEnabled(azimuthsValid);
    mnuStop->setEnabled(session_.isConnected());
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
    if (!azimuthsValid)
        return;
    stopKey->setEnabled(true);
    session_.turnTo(azimuth);
}

void RotatorControl::mnuStop_Click()
{
    session_.stop();
}

void RotatorControl::mnuSettings_Click()
{
    frmRotator dialog(session_.settings(), window);
    if (dialog.exec() == QDialog::Accepted)
        session_.apply(dialog.settings());
}

// Without a heading the compass is the plain one.
void RotatorControl::Session_HeadingChanged()
{
    window->restoreCompass();
    window->Form_Paint();
}

void RotatorControl::Session_TurnEnded()
{
    stopKey->setEnabled(false);
}

void RotatorControl::Session_Failed(const QString& message)
{
    showMessage(window, QStringLiteral("Ошибка"), message, QMessageBox::Warning, MessageButtons::Ok);
}

bool RotatorControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        session_.setPaused(window->isMinimized());
    return QObject::eventFilter(watched, event);
}
