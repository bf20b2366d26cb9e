#pragma once

#include "geodesy/position.h"
#include "map/log_points.h"
#include "map/map_scene.h"

#include <QTimer>
#include <QWidget>

#include <optional>

namespace dxcc {
class CountrySource;
}
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class MapView;

namespace rotator {
class RotatorSession;
}

// The map centred on the own station, beside the main window: resizable,
// not modal, first opened where the screen has room beside the main
// window, then its size and place kept with the other settings. It follows
// every calculation that succeeds and keeps its picture after one that
// fails; it shows the antenna's heading as the compass does, from the same
// session; a log's QSOs; the night; the entities' prefixes; a station
// searched for by its locator, its coordinates or its call; and it is
// saved as a picture or printed. The country file, the main window's, is
// read when the map first needs it: shown with its prefixes, a call
// searched for, a log read.
class frmMap : public QWidget
{
    Q_OBJECT

public:
    frmMap(rotator::RotatorSession& session, const geodesy::Position& own, dxcc::CountrySource& countries);
    ~frmMap() override;

    // A calculation that succeeded: centred on the own station, the
    // correspondent with both paths to it, labelled as it was given (by
    // default by its locator), and zoomed out to it when it lies beyond.
    void showCalculation(const geodesy::Position& own, const geodesy::Position& kor, const QString& label = {});
    // Before the first show: beside the main window, never over it, where
    // the screen has room. Once the user has placed the window, that place
    // stands.
    void placeBeside(const QRect& mainFrame);

    MapView* mapView = nullptr;
    QPushButton* cmdWholeEarth = nullptr;  // "Весь мир"
    QPushButton* cmdOpenLog = nullptr;     // "Открыть журнал…"
    QPushButton* cmdSave = nullptr;        // "Сохранить…"
    QPushButton* cmdPrint = nullptr;       // "Печать…"
    QCheckBox* chkNight = nullptr;         // "День и ночь"
    QCheckBox* chkPrefixes = nullptr;      // "Префиксы"
    QLineEdit* txtSearch = nullptr;        // a locator, "LAT,LON" or a call; Enter shows it
    QSpinBox* spnBeam = nullptr;           // the antenna's beam width
    QLabel* lblStatus = nullptr;

    // The log shown; public so that it can be given without its dialog.
    void showLog(const QString& fileName);
    // The picture into a file, its format by its extension; the user's
    // words for why not, or nothing.
    QString saveTo(const QString& fileName) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QHBoxLayout* createBar();
    QHBoxLayout* createSearchLine();
    void connectControls();
    void startTimers();  // the night's minute, and the place kept once settled
    void cmdOpenLog_Click();
    void cmdSave_Click();
    void cmdPrint_Click();
    void chkNight_Toggled(bool on);
    void showNight(bool on);
    void chkPrefixes_Toggled(bool on);
    void readPrefixes();  // or says why not, in the status line
    void txtSearch_Enter();
    void showFound(const geodesy::Position& position, const QString& label, const QString& what);
    // The country file, read on the first call and given to the map; or
    // nullptr, and then countries_.failure() says why.
    const dxcc::CountryFile* countryFile();
    void showHeading();
    void setOwn(const geodesy::Position& own);
    void showLogCount();
    map::MapScene titled() const;

    rotator::RotatorSession& session_;
    dxcc::CountrySource& countries_;
    std::optional<map::LogPoints> log_;
    QString logName_;
    QTimer minute_;
    QTimer keepPlace_;  // saves the size and place once the user is done moving
    bool placeKept_ = false;  // restored from the settings
};
