// Turning the antenna to the computed azimuths, and its heading on the
// compass. The session with the rotator does the work; nothing here waits
// for it.

#include "window/rotator_control.h"

#include "face/classic_font.h"
#include "window/compass_canvas.h"
#include "window/frmRaschet.h"
#include "rotator_window/frmRotator.h"
#include "message_box/message_box.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QShortcut>

#include <algorithm>

RotatorControl::RotatorControl(frmRaschet* window)
    : QObject(window)
    , window_(window)
{
    // Between the ring, the left screw and the "S", clear of the compass's
    // marks.
    lblAntenna = new QLabel(window_->picCompas);
    lblAntenna->setObjectName(QStringLiteral("lblAntenna"));
    lblAntenna->setGeometry(24, 214, 86, 14);
    lblAntenna->setFont(dialogFont(8.25, true));
    lblAntenna->hide();

    // Right click, or the menu key while the picture has the focus.
    window_->picCompas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window_->picCompas, &QWidget::customContextMenuRequested, this, &RotatorControl::picCompas_ContextMenu);

    // Keys of the whole window; none of them moves the focus or clicks a
    // button. Esc is taken only while the antenna turns.
    connect(new QShortcut(QKeySequence(Qt::Key_F5), window_), &QShortcut::activated, this,
            &RotatorControl::mnuTurnPush_Click);
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5), window_), &QShortcut::activated, this,
            &RotatorControl::mnuTurnPull_Click);
    stopKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), window_);
    stopKey_->setEnabled(false);
    connect(stopKey_, &QShortcut::activated, this, &RotatorControl::mnuStop_Click);

    connect(window_, &frmRaschet::calculated, this, [this] { azimuthsValid_ = true; });
    connect(window_, &frmRaschet::calculationFailed, this, [this] { azimuthsValid_ = false; });
    connect(&session_, &rotator::RotatorSession::headingChanged, this, &RotatorControl::Session_HeadingChanged);
    connect(&session_, &rotator::RotatorSession::turnStarted, this, [this] { stopKey_->setEnabled(true); });
    connect(&session_, &rotator::RotatorSession::turnEnded, this, &RotatorControl::Session_TurnEnded);
    connect(&session_, &rotator::RotatorSession::failed, this, &RotatorControl::Session_Failed);
    // A minimised window asks nothing of the rotator.
    watch(window_);
}

void RotatorControl::watch(QWidget* window)
{
    views_ << window;
    window->installEventFilter(this);
    // The map may go before the main window does.
    connect(window, &QObject::destroyed, this, [this, window] { views_.removeOne(window); });
}

void RotatorControl::start()
{
    session_.start();
}

void RotatorControl::createMenu()
{
    mnuCompas = new QMenu(window_);
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
    mnuCompas->addSeparator();
    mnuMap = mnuCompas->addAction(QStringLiteral("Карта…\tF6"));
    mnuMap->setObjectName(QStringLiteral("mnuMap"));
    connect(mnuMap, &QAction::triggered, window_, &frmRaschet::mnuMap_Click);
    mnuCall = mnuCompas->addAction(QStringLiteral("Позывной…\tF7"));
    mnuCall->setObjectName(QStringLiteral("mnuCall"));
    connect(mnuCall, &QAction::triggered, window_, &frmRaschet::mnuCall_Click);
    mnuBeamTable = mnuCompas->addAction(QStringLiteral("Таблица азимутов…"));
    mnuBeamTable->setObjectName(QStringLiteral("mnuBeamTable"));
    connect(mnuBeamTable, &QAction::triggered, window_, &frmRaschet::mnuBeamTable_Click);
}

// The turn entries name the azimuths of the last calculation and wait for
// one that succeeded; stopping, for a turn under way.
void RotatorControl::picCompas_ContextMenu(const QPoint& at)
{
    if (!mnuCompas)
        createMenu();
    mnuTurnPush->setText(QStringLiteral("Повернуть антенну: прямой азимут %1°\tF5").arg(window_->AzimutPush));
    mnuTurnPull->setText(QStringLiteral("Повернуть антенну: обратный азимут %1°\tShift+F5").arg(window_->AzimutPull));
    mnuTurnPush->setEnabled(azimuthsValid_);
    mnuTurnPull->setEnabled(azimuthsValid_);
    mnuStop->setEnabled(session_.isTurning());
    mnuCompas->popup(window_->picCompas->mapToGlobal(at));
}

void RotatorControl::mnuTurnPush_Click()
{
    turnTo(window_->AzimutPush);
}

void RotatorControl::mnuTurnPull_Click()
{
    turnTo(window_->AzimutPull);
}

void RotatorControl::turnTo(qint16 azimuth)
{
    if (azimuthsValid_)
        session_.turnTo(azimuth);
}

void RotatorControl::mnuStop_Click()
{
    session_.stop();
}

void RotatorControl::mnuSettings_Click()
{
    frmRotator dialog(session_.settings(), window_);
    if (dialog.exec() == QDialog::Accepted)
        session_.apply(dialog.settings());
}

// Without a heading the compass is the plain one.
void RotatorControl::Session_HeadingChanged()
{
    const std::optional<int> heading = session_.heading();
    lblAntenna->setText(heading ? QStringLiteral("антенна %1°").arg(*heading) : QStringLiteral("нет связи"));
    // The heading in the line's green, the silence in grey.
    QPalette words = lblAntenna->palette();
    words.setColor(QPalette::WindowText, heading ? AntennaColour.darker(130) : QColor(96, 96, 96));
    lblAntenna->setPalette(words);
    lblAntenna->setVisible(heading || session_.silent());
    window_->restoreCompass();
    window_->Form_Paint();
}

void RotatorControl::Session_TurnEnded()
{
    stopKey_->setEnabled(false);
    if (mnuStop)
        mnuStop->setEnabled(false);
}

void RotatorControl::Session_Failed(const QString& message)
{
    showMessage(window_, message);
}

bool RotatorControl::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowStateChange || type == QEvent::Show || type == QEvent::Hide)
        session_.setPaused(std::none_of(views_.begin(), views_.end(), [](const QWidget* view) {
            return view->isVisible() && !view->isMinimized();
        }));
    return QObject::eventFilter(watched, event);
}
