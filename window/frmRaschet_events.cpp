// Which handler runs on which event of the main window's controls.

#include "window/frmRaschet.h"

#include "keyboard/latin_fields.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

void frmRaschet::connectHandlers()
{
    // The window sees the fields' focus changes, clicks and keys before they do.
    for (QLineEdit* field : ring)
        field->installEventFilter(this);
    // Installed last, so seen first: the window sees the Latin letter meant.
    keyboard::typeLatin(txtMyLocator);
    keyboard::typeLatin(txtKorLocator);

    connect(txtH2G, &QLineEdit::textChanged, this, &frmRaschet::txtH2G_Change);
    connect(txtD2G, &QLineEdit::textChanged, this, &frmRaschet::txtD2G_Change);
    connect(txtKorLocator, &QLineEdit::textChanged, this, &frmRaschet::txtKorLocator_Change);

    connect(cmdRaschetKoordinat, &QPushButton::clicked, this, &frmRaschet::cmdRaschetKoordinat_Click);
    connect(cmdRaschetLocator, &QPushButton::clicked, this, &frmRaschet::cmdRaschetLocator_Click);
    connect(cmdMyRaschet, &QPushButton::clicked, this, &frmRaschet::cmdMyRaschet_Click);
    connect(cmdMyRaschet1, &QPushButton::clicked, this, &frmRaschet::cmdMyRaschet1_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &frmRaschet::cmdInfo_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmRaschet::cmdExit_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &frmRaschet::cmdLoad_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmRaschet::cmdSave_Click);
    // Keys of their own, which nothing else in the window takes.
    connect(new QShortcut(QKeySequence(Qt::Key_F6), this), &QShortcut::activated, this, &frmRaschet::mnuMap_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_F7), this), &QShortcut::activated, this, &frmRaschet::mnuCall_Click);
}

bool frmRaschet::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = static_cast<QLineEdit*>(watched);  // only the fields are watched
    switch (event->type()) {
    case QEvent::FocusIn:
        fieldFocusIn(field, static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::FocusOut:
        fieldFocusOut(field, static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            fieldMouseRelease(field);
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        Form_KeyDown(key->key());
        if (field == txtKorLocator || field == txtMyLocator)
            return Locator_KeyPress(field, key);
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
