#pragma once

#include "about/frmInfo.h"
#include "call/call_context.h"
#include "dxcc/country_source.h"
#include "geodesy/locator.h"
#include "geodesy/pair_figures.h"
#include "geodesy/position.h"
#include "window/field_texts.h"

#include <QWidget>
#include <QtGlobal>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class CompassCanvas;
class RotatorControl;
class frmMap;
class frmCall;
class frmBeamTable;

namespace store {
class RecordBinding;
}

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

    // The antenna: its menu, keys and session (rotator_control.cpp).
    RotatorControl* rotator = nullptr;
    // The country file, read on the first callsign, for every window.
    dxcc::CountrySource countries;

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

    store::RecordBinding* Data1 = nullptr;  // the own-station record

    // The fourteen fields in the order of the keyboard ring and of their
    // tab indices: the correspondent's first, then the own station's. Filled
    // from the layout's field table.
    std::array<QLineEdit*, 14> ring{};

    // Handlers.
    void Form_Load();
    void Form_Paint();
    void restoreCompass();  // the blank picture copied in again
    void Form_KeyDown(int KeyCode);
    void cmdExit_Click();
    void cmdInfo_Click();
    void mnuMap_Click();  // the map beside the window, made when first asked for
    frmMap* map() const { return map_.get(); }
    void mnuCall_Click();       // the callsign window, made when first asked for
    void mnuBeamTable_Click();  // the beam-heading table, made when first asked for
    void cmdLoad_Click();
    void cmdSave_Click();
    // Once, when the window has first been painted: reads the stored station
    // into the own fields and the rotator's settings.
    void Form_Shown();
    void cmdMyRaschet_Click();        // own coordinates from own locator
    void cmdRaschetKoordinat_Click(); // calculation by locator
    void cmdMyRaschet1_Click();       // own locator from own coordinates
    void cmdRaschetLocator_Click();   // calculation by coordinates
    void Field_GotFocus(QLineEdit* field);
    void Field_LostFocus(QLineEdit* field);
    void txtH2G_Change();
    void txtD2G_Change();
    void txtKorLocator_Change();
    bool Locator_KeyPress(QLineEdit* field, QKeyEvent* key);

    // Clearing routines, run after an input error.
    void ClearKorKoordinat();
    void ClearMyKoordinat();
    void ClearKorLocator();

Q_SIGNALS:
    // A calculation succeeded: its stations in degrees, and their figures.
    void calculated(const geodesy::Position& own, const geodesy::Position& kor,
                    const geodesy::PairFigures& figures);
    // The azimuths in the window are no longer those of a calculation that
    // succeeded: an input error cleared them, or the points coincided.
    void calculationFailed();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();  // frmRaschet_layout.cpp
    void connectHandlers();
    std::array<QLineEdit*, 7> ownStationFields() const;
    void showError(const QString& text);  // the exclamation box, with OK

    void RaschetPoLocatoru();
    void RaschetPoKoordinatam();
    std::optional<geodesy::Position> LocatorFromCoordinates(const CoordinateFields& fields,
                                                            QLineEdit* locatorField, void (frmRaschet::*clear)());
    bool RaschetAzimutDalnost();
    void reportCoincidentPoints();
    void trapRunTimeFailures(const std::function<void()>& calculation);
    void showInputError(std::string_view text);
    void clearFields(std::initializer_list<QLineEdit*> fields, QLineEdit* focusTarget);

    // Focus moves between controls, told apart from the focus a field only
    // lends to another window or a pop-up and gets back.
    void moveFocusTo(QLineEdit* field);
    void fieldFocusIn(QLineEdit* field, Qt::FocusReason reason);
    void fieldFocusOut(QLineEdit* field, Qt::FocusReason reason);
    void fieldMouseRelease(QLineEdit* field);

    // What the callsign windows take from this one (call_windows.cpp).
    CallContext callContext();
    std::variant<geodesy::Position, QString> ownStation() const;
    QString korLabel(const geodesy::Position& kor) const;

    HelloSlide helloSlide_;  // where the About window's picture slid to
    std::unique_ptr<frmMap> map_;
    frmCall* call_ = nullptr;            // a child, made when first asked for
    frmBeamTable* beamTable_ = nullptr;  // a child, made when first asked for
    // The stations of the last calculation that succeeded, in degrees, and
    // the correspondent as the user gave it.
    std::optional<std::pair<geodesy::Position, geodesy::Position>> lastPair_;
    QString lastKorLabel_;
    bool paintingWindow_ = false;
    bool shown_ = false;
    QLineEdit* focusedField_ = nullptr;     // got-focus has run, lost-focus not yet
    QLineEdit* selectOnRelease_ = nullptr;  // entered by a mouse press not yet released
};
