#pragma once

#include "call/call_context.h"
#include "call/call_result.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;

// «Позывной»: a small window beside the main one. As a call is typed it
// tells the call's country, the short and long path to it from the own
// station, the time and the Sun there; its buttons turn the antenna either
// way or show the station on the map. Not modal; Esc hides it.
class frmCall : public QDialog
{
    Q_OBJECT

public:
    frmCall(const CallContext& context, QWidget* mainWindow);

    // Shown and raised, its field ready for the next call.
    void bringUp();
    // Looked up afresh: the own station or the rotator's settings may have
    // changed in the main window.
    void showResult();

    QLineEdit* txtCall = nullptr;
    QLabel* lblEntity = nullptr;   // the country, continent and zones, or why there are none
    QLabel* lblShort = nullptr;    // the short path, or why there is no path
    QLabel* lblLong = nullptr;     // the long path
    QLabel* lblTime = nullptr;     // the local time there
    QLabel* lblSun = nullptr;      // sunrise and sunset there, in UTC
    QLabel* lblVersion = nullptr;  // the country file's date
    QPushButton* cmdShort = nullptr;  // «На короткий путь»
    QPushButton* cmdLong = nullptr;   // «На длинный путь»
    QPushButton* cmdMap = nullptr;    // «На карте»

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void txtCall_Change();
    void cmdShort_Click();
    void cmdLong_Click();
    void cmdMap_Click();

    CallContext context_;
    CallResult result_;
    QTimer clock_;
};
