#pragma once

#include "geodesy/locator.h"

#include <QWidget>
#include <QtGlobal>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class CompassCanvas;

// The calculator's main window. Controls are public members named as in the
// window's layout so that every handler, wherever it is defined, reads like
// the window it works on. The static grid labels and the grid lines are only
// reachable by object name (findChild); nothing handles them.
class frmRaschet : public QWidget
{
    Q_OBJECT

public:
    explicit frmRaschet(QWidget* parent = nullptr);
    ~frmRaschet() override;

    // Window-level values, kept between commands.
    double H1 = 0;  // own latitude
    double D1 = 0;  // own longitude
    double H2 = 0;  // correspondent latitude
    double D2 = 0;  // correspondent longitude
    geodesy::LocPart LocPart{};    // cells of the last locator decoding
    geodesy::LocIndex LocIndex{};  // cells of the last locator encoding
    qint16 AzimutPush = 0;  // direct azimuth, whole degrees
    qint16 AzimutPull = 0;  // reverse azimuth, whole degrees
    bool Oshibka = false;   // raised by the clearing routines

    // Own station.
    QGroupBox* fraMyKoordinat = nullptr;
    QLineEdit* txtH1G = nullptr;
    QLineEdit* txtH1M = nullptr;
    QLineEdit* txtH1S = nullptr;
    QLineEdit* txtD1G = nullptr;
    QLineEdit* txtD1M = nullptr;
    QLineEdit* txtD1S = nullptr;
    QLineEdit* txtMyLocator = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdLoad = nullptr;

    // Correspondent.
    QGroupBox* fraKorKoordinat = nullptr;
    QLineEdit* txtH2G = nullptr;
    QLineEdit* txtH2M = nullptr;
    QLineEdit* txtH2S = nullptr;
    QLineEdit* txtD2G = nullptr;
    QLineEdit* txtD2M = nullptr;
    QLineEdit* txtD2S = nullptr;
    QLineEdit* txtKorLocator = nullptr;

    // Commands.
    QPushButton* cmdRaschetKoordinat = nullptr;  // calculation by locator
    QPushButton* cmdRaschetLocator = nullptr;    // calculation by coordinates
    QPushButton* cmdInfo = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdMyRaschet = nullptr;   // hidden: own coordinates from own locator
    QPushButton* cmdMyRaschet1 = nullptr;  // hidden: own locator from own coordinates

    // Results and compass.
    QLabel* lblAzimutPush = nullptr;
    QLabel* lblAzimutPull = nullptr;
    QLabel* lblDalnost = nullptr;
    QLabel* lblCompas = nullptr;
    CompassCanvas* picCompas = nullptr;
    QLabel* imgCompas = nullptr;  // hidden: keeps the blank compass picture

    QWidget* Data1 = nullptr;  // hidden: own-station record binding

    // Handlers.
    void Form_Load();
    void Form_Paint();
    void cmdExit_Click();
    void cmdInfo_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();  // frmRaschet_layout.cpp

    bool paintingWindow = false;
};
