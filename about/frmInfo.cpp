#include "about/frmInfo.h"

#include "face/classic_font.h"
#include "face/picture.h"
#include "face/twips.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace {

// A straight line 3 pixels wide from (x1, y) to (x2, y).
QFrame* horizontalLine(QWidget* parent, const char* name, double x1, double x2, double y)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(3);
    line->setGeometry(twipsToPixels(x1), twipsToPixels(y) - 1, twipsToPixels(x2) - twipsToPixels(x1) + 1, 3);
    return line;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// Where the picture waits, just beyond the left edge, before it slides in.
constexpr double HelloStartLeft = -2400.0;
constexpr double HelloStartTop = 100.0;
constexpr double HelloStep = 30.0;

} // namespace

frmInfo::frmInfo(QWidget* mainWindow, HelloSlide& slide)
    : QDialog(mainWindow,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                  | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , slide_(slide)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("О программе..."));
    setFont(dialogFont(8.25));
    setFixedSize(twipsToPixels(5700), twipsToPixels(5025));

    createControls();
    Form_Load();
    Timer1->start();
}

void frmInfo::createControls()
{
    imgHello = new QLabel(this);
    imgHello->setObjectName(QStringLiteral("imgHello"));
    imgHello->setPixmap(ownPicture(QStringLiteral(":/hello.png")));
    imgHello->setGeometry(twipsRect(1800, 90, 2385, 1170));
    helloLeft_ = 1800;
    helloTop_ = 90;

    fraInfo = new QGroupBox(this);
    fraInfo->setObjectName(QStringLiteral("fraInfo"));
    fraInfo->setGeometry(twipsRect(120, 1320, 5532, 3012));

    Label4 = label(fraInfo, "Label4", QStringLiteral("AZIDAL"), twipsRect(120, 240, 5292, 372));
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label4->setLineWidth(1);
    Label4->setFont(dialogFont(12, true, true));
    QPalette blue = Label4->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label4->setPalette(blue);

    Line1 = horizontalLine(fraInfo, "Line1", 120, 5400, 720);

    Label5 = label(fraInfo, "Label5", QStringLiteral("Версия 2.0"), twipsRect(120, 840, 2292, 252));
    Label6 = label(fraInfo, "Label6", QStringLiteral("© 2026 авторы AZIDAL"),
                   twipsRect(120, 1080, 4332, 252));
    Label1 = label(fraInfo, "Label1",
                   QStringLiteral("Замечания и предложения: через трекер задач проекта"),
                   twipsRect(120, 1320, 5292, 252));

    Line2 = horizontalLine(fraInfo, "Line2", 120, 5400, 1680);

    Label2 = label(fraInfo, "Label2",
                   QStringLiteral("Программа предназначена для расчета АЗИМУТА и ДАЛЬНОСТИ "
                                  "корреспондента. Расчет может проводится как по координатам, "
                                  "так и по локатору. На рисунке изображен азимут прямой и "
                                  "обратный."),
                   twipsRect(120, 1800, 4932, 852));
    Label2->setWordWrap(true);

    cmdOK = new QPushButton(QStringLiteral("&ОК"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(2280, 4440, 1212, 492));
    cmdOK->setFont(dialogFont(8.25, true));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmInfo::cmdOK_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &frmInfo::Timer1_Timer);
}

void frmInfo::Form_Load()
{
    // Centre on the main window, outer sizes and positions (frame included),
    // in 1/1440 inch, single precision, not clamped to the screen.
    if (const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect mainOuter = main->frameGeometry();
        QSize ownOuter = frameGeometry().size();
        // Not shown yet, this window has no frame: it will get the same one
        // as the main window, which the same window manager decorates.
        if (!isVisible())
            ownOuter = size() + (mainOuter.size() - main->geometry().size());

        const float t = float(TwipsPerPixel);
        const float left = float(mainOuter.width()) * t / 2.0f
            - float(ownOuter.width()) * t / 2.0f + float(mainOuter.left()) * t;
        const float top = float(mainOuter.height()) * t / 2.0f
            - float(ownOuter.height()) * t / 2.0f + float(mainOuter.top()) * t;
        move(twipsToPixels(left), twipsToPixels(top));
    }

    moveHello(HelloStartLeft, HelloStartTop);
}

void frmInfo::Timer1_Timer()
{
    const double outerWidth = std::nearbyint(double(frameGeometry().width()) * TwipsPerPixel);
    if (slide_.X > outerWidth) {
        slide_.X = qint16(HelloStartLeft);
        slide_.Y = qint16(HelloStartTop);
    } else {
        slide_.X = qint16(std::nearbyint(helloLeft_ + HelloStep));
        slide_.Y = qint16(std::nearbyint(helloTop_));
    }
    moveHello(slide_.X, slide_.Y);
}

void frmInfo::cmdOK_Click()
{
    accept();
}

void frmInfo::done(int result)
{
    // Closing unloads the window: the slide stops with it.
    Timer1->stop();
    QDialog::done(result);
}

void frmInfo::moveHello(double left, double top)
{
    helloLeft_ = left;
    helloTop_ = top;
    imgHello->move(twipsToPixels(left), twipsToPixels(top));
}
