#pragma once

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

// The About window: the program's name, version and purpose, a copyright and
// a contact line, and a greeting picture that slides across the top band.
//
// The slide's position in 1/1440 inch as the timer last set it. It outlives
// each About window, so that a later opening goes on from where the previous
// one stopped: its owner keeps it for the program's life.
struct HelloSlide {
    qint16 X = 0;
    qint16 Y = 0;
};

// The main window opens it modally:  frmInfo dialog(this, slide); dialog.exec();
// The constructor loads the window (Form_Load) before it is shown, centring
// it on `mainWindow`.
class frmInfo : public QDialog {
    Q_OBJECT

public:
    frmInfo(QWidget* mainWindow, HelloSlide& slide);

    // One step of the sliding picture; Timer1 calls it every 50 ms. Public so
    // that the slide can be driven step by step without waiting.
    void Timer1_Timer();

    void done(int result) override;

private:
    void createControls();
    void Form_Load();
    void cmdOK_Click();

    // Places imgHello at (left, top) in 1/1440 inch of the client area.
    void moveHello(double left, double top);

    QLabel* imgHello = nullptr;
    QGroupBox* fraInfo = nullptr;
    QLabel* Label4 = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* Line2 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdOK = nullptr;
    QTimer* Timer1 = nullptr;
    HelloSlide& slide_;

    // imgHello's position in 1/1440 inch, as last set; kept apart from the
    // widget's whole-pixel position so no rounding creeps into the slide.
    double helloLeft_ = 0.0;
    double helloTop_ = 0.0;
};
