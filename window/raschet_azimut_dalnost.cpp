// What both correspondent calculations share: distance and azimuths shown
// in the labels and on the compass, and the trap for what can go wrong on
// the way.

#include "window/frmRaschet.h"

#include "geodesy/figure_texts.h"
#include "geodesy/messages.h"
#include "window/field_texts.h"
#include "message_box/message_box.h"

#include <QLabel>
#include <QLineEdit>

#include <exception>

bool frmRaschet::RaschetAzimutDalnost()
{
    using namespace geodesy;
    const Position own{H1, D1};
    const Position kor{H2, D2};
    const PairFigures figures = pairFigures(own, kor, true);
    // The computation leaves the four values in radians, as it took them.
    H1 = toRadians(H1);
    D1 = toRadians(D1);
    H2 = toRadians(H2);
    D2 = toRadians(D2);
    AzimutPush = figures.shortPath.azimutPush;
    AzimutPull = figures.shortPath.azimutPull;
    if (!figures.shortPath.distanceKm) {
        Q_EMIT calculationFailed();
        return false;
    }

    restoreCompass();
    Form_Paint();
    const ResultTexts texts = resultTexts(AzimutPush, AzimutPull, *figures.shortPath.distanceKm);
    lblAzimutPush->setText(fromUtf8(texts.azimutPush.view()));
    lblAzimutPull->setText(fromUtf8(texts.azimutPull.view()));
    lblDalnost->setText(fromUtf8(texts.dalnost.view()));

    // The long path and the ellipsoid's figures wait under the labels.
    const PathTexts extras = pathTexts(figures);
    lblAzimutPush->setToolTip(fromUtf8(extras.azimutPush.view()));
    lblAzimutPull->setToolTip(fromUtf8(extras.azimutPull.view()));
    lblDalnost->setToolTip(fromUtf8(extras.dalnost.view()));
    Q_EMIT calculated(own, kor, figures);
    return true;
}

// Nothing is cleared: the results of the last calculation stay in view.
void frmRaschet::reportCoincidentPoints()
{
    showMessage(this, fromUtf8(geodesy::CoincidentPointsMessage),
                QMessageBox::Question, MessageButtons::CancelTryAgainContinue);
    moveFocusTo(txtH2G);
}

// Coinciding points are the one run-time failure valid input can meet, and
// each calculation reports them itself. Anything else that escapes a
// calculation is reported here rather than lost.
void frmRaschet::trapRunTimeFailures(const std::function<void()>& calculation)
{
    try {
        calculation();
    } catch (const std::exception& failure) {
        showMessage(this, QStringLiteral("Расчет прерван из-за внутренней ошибки: %1")
                        .arg(QString::fromLocal8Bit(failure.what())),
                    QMessageBox::Critical, MessageButtons::Ok);
    }
}

void frmRaschet::showInputError(std::string_view text)
{
    showError(fromUtf8(text));
}

void frmRaschet::showError(const QString& text)
{
    showMessage(this, text);
}
