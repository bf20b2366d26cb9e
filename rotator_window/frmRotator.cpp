#include "rotator_window/frmRotator.h"

#include "face/classic_font.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

frmRotator::frmRotator(const rotator::RotatorSettings& settings, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Настройка поворотного устройства"));
    setFont(dialogFont(8.25));
    auto* form = new QFormLayout(this);
    form->setSizeConstraint(QLayout::SetFixedSize);

    auto* about = new QLabel(QStringLiteral("Антенну поворачивает rotctld из Hamlib,\n"
                                            "запущенный на этом или другом компьютере."));
    // Wide enough for a window manager to show the whole title, in a bold
    // face a size larger, with its icon and buttons beside it.
    about->setMinimumWidth(QFontMetrics(dialogFont(10, true)).horizontalAdvance(windowTitle()) + 100);
    form->addRow(about);

    txtHost = new QLineEdit(settings.host);
    txtHost->setObjectName(QStringLiteral("txtHost"));
    form->addRow(QStringLiteral("&Адрес:"), txtHost);

    spnPort = new QSpinBox;
    spnPort->setObjectName(QStringLiteral("spnPort"));
    spnPort->setRange(1, 65535);
    spnPort->setValue(settings.port);
    form->addRow(QStringLiteral("&Порт:"), spnPort);

    chkHeading = new QCheckBox(QStringLiteral("П&оказывать направление антенны на компасе"));
    chkHeading->setObjectName(QStringLiteral("chkHeading"));
    chkHeading->setChecked(settings.showHeading);
    form->addRow(chkHeading);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("ОК"));  // Qt's Russian keeps the Latin OK
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // There is nothing to connect to without a host.
    connect(txtHost, &QLineEdit::textChanged, this, [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!txtHost->text().trimmed().isEmpty());
    });
}

rotator::RotatorSettings frmRotator::settings() const
{
    rotator::RotatorSettings chosen;
    chosen.host = txtHost->text().trimmed();
    chosen.port = static_cast<quint16>(spnPort->value());
    chosen.showHeading = chkHeading->isChecked();
    return chosen;
}
