#include "call/frmCall.h"

#include "dxcc/country_source.h"
#include "keyboard/latin_fields.h"
#include "face/classic_font.h"
#include "rotator/rotator_session.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* line(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// No button is the default: Enter in the field turns no antenna.
QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

frmCall::frmCall(const CallContext& context, QWidget* mainWindow)
    : QDialog(mainWindow)
    , context_(context)
{
    setObjectName(QStringLiteral("frmCall"));
    setWindowTitle(QStringLiteral("Позывной"));
    setFont(dialogFont(8.25));
    setMinimumWidth(360);
    createControls();

    connect(txtCall, &QLineEdit::textChanged, this, &frmCall::txtCall_Change);
    connect(cmdShort, &QPushButton::clicked, this, &frmCall::cmdShort_Click);
    connect(cmdLong, &QPushButton::clicked, this, &frmCall::cmdLong_Click);
    connect(cmdMap, &QPushButton::clicked, this, &frmCall::cmdMap_Click);
    clock_.setSingleShot(true);
    connect(&clock_, &QTimer::timeout, this, &frmCall::showResult);
    showResult();
}

void frmCall::createControls()
{
    txtCall = new QLineEdit(this);
    keyboard::typeLatin(txtCall);
    txtCall->setObjectName(QStringLiteral("txtCall"));
    txtCall->setPlaceholderText(QStringLiteral("например, JA1ABC или UA1ABC/9"));
    auto* caption = new QLabel(QStringLiteral("&Позывной:"), this);
    caption->setObjectName(QStringLiteral("lblCall"));
    caption->setBuddy(txtCall);
    lblEntity = line(this, "lblEntity");
    lblEntity->setFont(dialogFont(8.25, true));
    lblShort = line(this, "lblShort");
    lblLong = line(this, "lblLong");
    lblTime = line(this, "lblTime");
    lblSun = line(this, "lblSun");
    lblVersion = line(this, "lblVersion");
    // Room for a message of two lines: the window does not grow for it.
    for (QLabel* label : {lblEntity, lblShort})
        label->setMinimumHeight(2 * label->fontMetrics().lineSpacing());
    cmdShort = button(this, "cmdShort", QStringLiteral("На &короткий путь"));
    cmdLong = button(this, "cmdLong", QStringLiteral("На &длинный путь"));
    cmdMap = button(this, "cmdMap", QStringLiteral("На к&арте"));

    auto* field = new QHBoxLayout;
    field->addWidget(caption);
    field->addWidget(txtCall, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdShort);
    buttons->addWidget(cmdLong);
    buttons->addWidget(cmdMap);
    auto* column = new QVBoxLayout(this);
    column->addLayout(field);
    for (QLabel* label : {lblEntity, lblShort, lblLong, lblTime, lblSun, lblVersion})
        column->addWidget(label);
    column->addStretch();
    column->addLayout(buttons);
}

void frmCall::bringUp()
{
    show();
    raise();
    activateWindow();
    txtCall->setFocus();
    txtCall->selectAll();
}

void frmCall::txtCall_Change()
{
    showResult();
}

void frmCall::cmdShort_Click()
{
    if (result_.paths)
        context_.session->turnTo(result_.paths->shortAzimuth);
}

void frmCall::cmdLong_Click()
{
    if (result_.paths)
        context_.session->turnTo(result_.paths->longAzimuth);
}

void frmCall::cmdMap_Click()
{
    if (result_.place)
        context_.showOnMap(*result_.own, *result_.place, result_.call);
}

void frmCall::showResult()
{
    const QDateTime now = context_.now();
    result_ = lookUpCall(*context_.countries, txtCall->text(), context_.ownStation(), now);
    lblEntity->setText(result_.entity);
    lblShort->setText(result_.shortPath);
    lblLong->setText(result_.longPath);
    lblTime->setText(result_.localTime);
    lblSun->setText(result_.sun);
    lblVersion->setText(result_.version);
    const bool turnable = result_.paths && context_.session->isSetUp();
    cmdShort->setEnabled(turnable);
    cmdLong->setEnabled(turnable);
    // A greyed button says why.
    const QString why = !result_.paths ? QString()
                      : turnable       ? QString()
                                       : QStringLiteral("Поворотное устройство не настроено: меню компаса, «Настройка "
                                                        "поворотного устройства…»");
    cmdShort->setToolTip(why);
    cmdLong->setToolTip(why);
    cmdMap->setEnabled(result_.place.has_value());
    // Next at the turn of the minute, when the clock there changes.
    if (isVisible())
        clock_.start(60 * 1000 - now.time().msecsSinceStartOfDay() % (60 * 1000));
}

void frmCall::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    showResult();
}

void frmCall::hideEvent(QHideEvent* event)
{
    clock_.stop();
    QDialog::hideEvent(event);
}

void frmCall::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        showResult();
}
