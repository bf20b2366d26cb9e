// The clearing routines that follow an input error: each empties a group of
// fields, resets the results and the compass, raises Oshibka and moves the
// focus to where the user goes on.

#include "window/frmRaschet.h"

#include "window/compass_canvas.h"

#include <QLabel>
#include <QLineEdit>

void frmRaschet::ClearKorKoordinat()
{
    clearFields({txtH2G, txtH2M, txtH2S, txtD2G, txtD2M, txtD2S}, txtKorLocator);
}

void frmRaschet::ClearMyKoordinat()
{
    clearFields({txtH1G, txtH1M, txtH1S, txtD1G, txtD1M, txtD1S}, txtKorLocator);
}

void frmRaschet::ClearKorLocator()
{
    clearFields({txtKorLocator}, txtH2G);
}

void frmRaschet::clearFields(std::initializer_list<QLineEdit*> fields, QLineEdit* focusTarget)
{
    for (QLineEdit* field : fields)
        field->clear();
    lblAzimutPush->setText(QStringLiteral(" АЗИМУТ от себя: "));
    lblAzimutPull->setText(QStringLiteral(" АЗИМУТ на себя: "));
    lblDalnost->setText(QStringLiteral(" ДАЛЬНОСТЬ: "));
    for (QLabel* label : {lblAzimutPush, lblAzimutPull, lblDalnost})
        label->setToolTip(QString());
    restoreCompass();
    AzimutPush = 0;
    AzimutPull = 0;
    Q_EMIT calculationFailed();
    Form_Paint();
    Oshibka = true;
    moveFocusTo(focusTarget);
}

void frmRaschet::restoreCompass()
{
    picCompas->setPicture(imgCompas->pixmap().toImage());
}
