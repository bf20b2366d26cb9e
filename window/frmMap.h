#pragma once

#include "geodesy/position.h"
#include "map/log_points.h"
#include "map/map_scene.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class MapView;

namespace rotator {
class RotatorSession;
}

// The map centred on the own station, beside the main window: resizable,
// not modal, its size and place kept with the other settings. It follows
// every calculation that succeeds and keeps its picture after one that
// fails; it shows the antenna's heading as the compass does, from the same
// session; a log's QSOs; the night; and it is saved as a picture or
// printed.
class frmMap : public QWidget
{
    Q_OBJECT

public:
    explicit frmMap(rotator::RotatorSession& session, const geodesy::Position& own);
    ~frmMap() override;

    // A calculation that succeeded: centred on the own station, the
    // correspondent with both paths to it.
    void showCalculation(const geodesy::Position& own, const geodesy::Position& kor);

    MapView* mapView = nullptr;
    QPushButton* cmdWholeEarth = nullptr;  // "Весь мир"
    QPushButton* cmdOpenLog = nullptr;     // "Открыть журнал…"
    QPushButton* cmdSave = nullptr;        // "Сохранить…"
    QPushButton* cmdPrint = nullptr;       // "Печать…"
    QCheckBox* chkNight = nullptr;         // "День и ночь"
    QSpinBox* spnBeam = nullptr;           // the antenna's beam width
    QLabel* lblStatus = nullptr;

    // The log shown; public so that it can be given without its dialog.
    void showLog(const QString& fileName);
    // The picture into a file, its format by its extension; the user's
    // words for why not, or nothing.
    QString saveTo(const QString& fileName) const;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void cmdOpenLog_Click();
    void cmdSave_Click();
    void cmdPrint_Click();
    void chkNight_Toggled(bool on);
    void showHeading();
    void setOwn(const geodesy::Position& own);
    void showLogCount();
    map::MapScene titled() const;

    rotator::RotatorSession& session_;
    std::optional<map::LogPoints> log_;
    QString logName_;
    QTimer minute_;
    QTimer keepPlace_;  // saves the size and place once the user is done moving
};
