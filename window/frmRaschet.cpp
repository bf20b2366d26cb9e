#include "window/frmRaschet.h"

#include "about/frmInfo.h"
#include "store/record_binding.h"
#include "store/user_db.h"
#include "window/compass_canvas.h"
#include "map_window/frmMap.h"
#include "window/rotator_control.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

frmRaschet::frmRaschet(QWidget* parent)
    : QWidget(parent)
{
    // A fixed dialog border that can still be minimised.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Рассчет азимута и дальности"));
    setFixedSize(515, 404);

    createControls();
    connectHandlers();
    connect(this, &frmRaschet::calculated, this,
            [this](const geodesy::Position& own, const geodesy::Position& kor) {
                lastPair_ = {own, kor};
                lastKorLabel_ = korLabel(kor);
            });
    rotator = new RotatorControl(this);
    Form_Load();

    // Taken as soon as the window becomes active.
    txtH2G->setFocus();
}

frmRaschet::~frmRaschet() = default;

void frmRaschet::mnuMap_Click()
{
    if (!map_) {
        // Centred on the last calculation's own station, or on the own
        // locator as it stands, or on nothing yet.
        geodesy::Position own{0, 0};
        const geodesy::LocatorDecoding decoding = geodesy::decodeLocator(txtMyLocator->text().toStdString());
        if (const auto* centre = std::get_if<geodesy::DecodedLocator>(&decoding.result))
            own = {centre->latitude, centre->longitude};
        map_ = std::make_unique<frmMap>(rotator->session(), lastPair_ ? lastPair_->first : own, countries);
        map_->placeBeside(frameGeometry());
        if (lastPair_)
            map_->showCalculation(lastPair_->first, lastPair_->second, lastKorLabel_);
        connect(this, &frmRaschet::calculated, map_.get(),
                [this](const geodesy::Position& own, const geodesy::Position& kor) {
                    map_->showCalculation(own, kor, korLabel(kor));
                });
        rotator->watch(map_.get());
    }
    map_->show();
    map_->raise();
    map_->activateWindow();
}

// The correspondent as the user gave it, read as the calculation ends: its
// locator when the calculation was by the locator, whose centre it then is;
// else its degrees as their fields show them (the locator's field then
// holds the locator made from them).
QString frmRaschet::korLabel(const geodesy::Position& kor) const
{
    const std::string typed = txtKorLocator->text().toStdString();
    const geodesy::LocatorDecoding decoding = geodesy::decodeLocator(typed);
    const auto* centre = std::get_if<geodesy::DecodedLocator>(&decoding.result);
    if (centre && centre->latitude == kor.latitude && centre->longitude == kor.longitude)
        return QString::fromStdString(geodesy::locatorLetters(typed));
    const auto angle = [](const QLineEdit* degrees, const QLineEdit* minutes, const QLineEdit* seconds) {
        QString text = degrees->text() + QStringLiteral("°");
        if (!minutes->text().isEmpty())
            text += minutes->text() + QStringLiteral("′");
        if (!seconds->text().isEmpty())
            text += seconds->text() + QStringLiteral("″");
        return text;
    };
    return angle(txtH2G, txtH2M, txtH2S) + QLatin1Char(' ') + angle(txtD2G, txtD2M, txtD2S);
}

void frmRaschet::Form_Load()
{
    // Centred from the outer size. Creating the native window first lets
    // the window system report its border where it can before the first
    // show; where it cannot, the client size stands in for the outer one.
    create();
    const QRect screenArea = screen()->geometry();
    const QSize outer = frameGeometry().size();
    const float left = screenArea.width() / 2.0f - outer.width() / 2.0f;
    const float top = screenArea.height() / 2.0f - outer.height() / 2.0f;
    move(screenArea.left() + qRound(left), screenArea.top() + qRound(top));

    picCompas->setPicture(imgCompas->pixmap().toImage());

    const store::StationLocation station = store::stationLocation();
    Data1->setDatabaseName(station.path, station.noFile);
    Data1->setRecordSource(QString::fromLatin1(store::OwnStationTable));
}

// The dearest steps of start-up wait until the window is on screen: the
// user sees it that much sooner, and a failure's box stands over it. The
// stored station is read (the window stays usable with empty own fields
// when it cannot be), and the rotator's settings.
void frmRaschet::Form_Shown()
{
    if (shown_)
        return;
    shown_ = true;
    cmdLoad_Click();
    rotator->start();
}

void frmRaschet::cmdExit_Click()
{
    // Ends the event loop straight away: no window is asked to close, so no
    // close handler runs and nothing is saved on the way out.
    QCoreApplication::exit(0);
}

void frmRaschet::cmdInfo_Click()
{
    frmInfo dialog(this, helloSlide_);
    dialog.exec();
}
