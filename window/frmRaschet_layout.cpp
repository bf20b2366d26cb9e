// Builds the controls of the main window from tables. Positions and sizes are
// written in 1/1440 inch, as the window was laid out, and turned into pixels
// at 96 dpi. Children of a frame are placed from the frame's corner.

#include "window/frmRaschet.h"

#include "store/record_binding.h"
#include "store/user_db.h"
#include "window/compass_canvas.h"
#include "window/typing_limit.h"
#include "face/classic_font.h"
#include "face/picture.h"
#include "face/twips.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

const QColor FieldText(0, 128, 128);
const QColor FrameCaption(0, 0, 192);
const QColor RowLabel(128, 0, 0);
const QColor ColumnHead(192, 0, 192);

enum Frame { Window, My, Kor };

// The fourteen fields; tab indices 0 to 13 are theirs, in this order.
struct FieldRow {
    QLineEdit* frmRaschet::*field;
    const char* name;
    Frame frame;
    int left, top, width, typingLimit;
};

const FieldRow FieldRows[] = {
    {&frmRaschet::txtH2G, "txtH2G", Kor, 1200, 700, 492, 3},
    {&frmRaschet::txtH2M, "txtH2M", Kor, 1920, 700, 492, 2},
    {&frmRaschet::txtH2S, "txtH2S", Kor, 2640, 700, 492, 2},
    {&frmRaschet::txtD2G, "txtD2G", Kor, 1200, 1180, 492, 4},
    {&frmRaschet::txtD2M, "txtD2M", Kor, 1920, 1180, 492, 2},
    {&frmRaschet::txtD2S, "txtD2S", Kor, 2640, 1180, 492, 2},
    {&frmRaschet::txtKorLocator, "txtKorLocator", Kor, 1200, 1660, 1212, 6},
    {&frmRaschet::txtH1G, "txtH1G", My, 1200, 700, 492, 3},
    {&frmRaschet::txtH1M, "txtH1M", My, 1920, 700, 492, 2},
    {&frmRaschet::txtH1S, "txtH1S", My, 2640, 700, 492, 2},
    {&frmRaschet::txtD1G, "txtD1G", My, 1200, 1180, 492, 4},
    {&frmRaschet::txtD1M, "txtD1M", My, 1920, 1180, 492, 2},
    {&frmRaschet::txtD1S, "txtD1S", My, 2640, 1180, 492, 2},
    {&frmRaschet::txtMyLocator, "txtMyLocator", My, 1200, 1680, 1212, 6},
};
constexpr int FieldHeight = 288;

// Column heads and row labels, the same in both frames.
struct GridLabel {
    const char* caption;
    bool columnHead;
    int left, top, width;
};

const GridLabel GridLabels[] = {
    {"Deg", true, 1236, 360, 456},
    {"Min", true, 1920, 360, 492},
    {"Sec", true, 2640, 360, 492},
    {"Широта", false, 120, 720, 852},
    {"Долгота", false, 120, 1200, 852},
    {"Локатор", false, 120, 1680, 852},
};
constexpr int GridLabelHeight = 252;

const char* const MyLabelNames[] = {"lblDeg1", "lblMin1", "lblSec1", "lblH1", "lblD1", "lblMyLocator"};
const char* const KorLabelNames[] = {"lblDeg2", "lblMin2", "lblSec2", "lblH2", "lblD2", "lblKorLocator"};

// The lines that rule each frame into a table: three rows, then three columns.
struct GridLine {
    int x1, y1, x2, y2;
};

const GridLine GridLines[] = {
    {0, 600, 3480, 600},
    {0, 1080, 3480, 1080},
    {0, 1560, 3480, 1560},
    {1080, 360, 1080, 1560},
    {1800, 360, 1800, 1560},
    {2520, 360, 2520, 1560},
};

const char* const MyLineNames[] = {"Line5", "Line1", "Line2", "Line4", "Line6", "Line7"};
const char* const KorLineNames[] = {"Line9", "Line12", "Line11", "Line10", "Line8", "Line3"};

struct ButtonRow {
    QPushButton* frmRaschet::*button;
    const char* name;
    Frame frame;
    const char* caption;
    int left, top, width, height, tabIndex;
    bool hidden;
    bool boldFont;
};

const ButtonRow ButtonRows[] = {
    {&frmRaschet::cmdRaschetKoordinat, "cmdRaschetKoordinat", Window, "Расчет по &ЛОКАТОРУ", 120, 5040, 2535, 375, 14, false, true},
    {&frmRaschet::cmdRaschetLocator, "cmdRaschetLocator", Window, "Расчет по &КООРДИНАТАМ", 120, 5520, 2535, 375, 15, false, true},
    {&frmRaschet::cmdInfo, "cmdInfo", Window, "&Инфо...", 2760, 5040, 852, 372, 16, false, true},
    {&frmRaschet::cmdExit, "cmdExit", Window, "&Выход", 2760, 5520, 852, 372, 17, false, true},
    {&frmRaschet::cmdMyRaschet, "cmdMyRaschet", Window, "Выч.коорд.", 5400, 6360, 1335, 255, 18, true, true},
    {&frmRaschet::cmdMyRaschet1, "cmdMyRaschet1", Window, "Выч.лок.", 3960, 6360, 1335, 255, 19, true, true},
    {&frmRaschet::cmdSave, "cmdSave", My, "&Сохранить коорд.", 60, 2100, 1692, 252, 34, false, false},
    {&frmRaschet::cmdLoad, "cmdLoad", My, "&Прочитать коорд.", 1740, 2100, 1692, 252, 35, false, false},
};

struct ResultRow {
    QLabel* frmRaschet::*label;
    const char* name;
    const char* caption;
    QColor colour;
    int top;
};

// The leading blank keeps the text off the border.
const ResultRow ResultRows[] = {
    {&frmRaschet::lblAzimutPush, "lblAzimutPush", " АЗИМУТ прямой:", QColor(192, 0, 0), 240},
    {&frmRaschet::lblAzimutPull, "lblAzimutPull", " АЗИМУТ обратный:", QColor(0, 0, 192), 840},
    {&frmRaschet::lblDalnost, "lblDalnost", " ДАЛЬНОСТЬ:", QColor(0, 128, 0), 1440},
};
// The results and the compass's square share a column.
constexpr int ResultLeft = 3840;
constexpr int ResultWidth = 3735;
constexpr int ResultHeight = 375;
constexpr int PicCompasTabIndex = 37;

template <typename W>
W* named(QWidget* parent, const char* name)
{
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* borderedLabel(QWidget* parent, const char* name)
{
    auto* label = named<QLabel>(parent, name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void addGrid(QGroupBox* frame, const char* const labelNames[], const char* const lineNames[])
{
    int i = 0;
    for (const GridLabel& cell : GridLabels) {
        auto* label = named<QLabel>(frame, labelNames[i++]);
        label->setText(QString::fromUtf8(cell.caption));
        label->setGeometry(twipsRect(cell.left, cell.top, cell.width, GridLabelHeight));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(dialogFont(8.25, true, cell.columnHead));
        setColour(label, QPalette::WindowText, cell.columnHead ? ColumnHead : RowLabel);
    }
    i = 0;
    for (const GridLine& line : GridLines) {
        auto* rule = named<QFrame>(frame, lineNames[i++]);
        rule->setGeometry(twipsToPixels(line.x1), twipsToPixels(line.y1),
                          std::max(1, twipsToPixels(line.x2 - line.x1)),
                          std::max(1, twipsToPixels(line.y2 - line.y1)));
        rule->setAutoFillBackground(true);
        setColour(rule, QPalette::Window, Qt::black);
    }
}

QGroupBox* addFrame(QWidget* window, const char* name, const char* caption, const QRect& geometry)
{
    auto* frame = named<QGroupBox>(window, name);
    frame->setTitle(QString::fromUtf8(caption));
    frame->setGeometry(geometry);
    frame->setFont(dialogFont(8.25, true));
    // The title is drawn in the text colour by some styles and in the window
    // text colour by others.
    setColour(frame, QPalette::WindowText, FrameCaption);
    setColour(frame, QPalette::Text, FrameCaption);
    return frame;
}

// The controls' places in the keyboard's tab order, by tab index.
using TabStops = std::vector<std::pair<int, QWidget*>>;

QWidget* parentOf(frmRaschet& window, Frame frame)
{
    switch (frame) {
    case My: return window.fraMyKoordinat;
    case Kor: return window.fraKorKoordinat;
    case Window: break;
    }
    return &window;
}

void addFields(frmRaschet& window, TabStops& tabStops)
{
    int tabIndex = 0;
    for (const FieldRow& row : FieldRows) {
        auto* field = named<QLineEdit>(parentOf(window, row.frame), row.name);
        field->setGeometry(twipsRect(row.left, row.top, row.width, FieldHeight));
        field->setValidator(new TypingLimit(row.typingLimit, field));
        field->setFont(dialogFont(8.25, true));
        setColour(field, QPalette::Text, FieldText);
        window.*row.field = field;
        window.ring[static_cast<std::size_t>(tabIndex)] = field;
        tabStops.emplace_back(tabIndex++, field);
    }
}

void addButtons(frmRaschet& window, TabStops& tabStops)
{
    for (const ButtonRow& row : ButtonRows) {
        auto* button = named<QPushButton>(parentOf(window, row.frame), row.name);
        button->setText(QString::fromUtf8(row.caption));
        button->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        button->setFont(dialogFont(8.25, row.boldFont));
        // Enter on a focused button clicks it, as Space does.
        button->setAutoDefault(true);
        if (row.hidden) {
            button->setFocusPolicy(Qt::NoFocus);
            button->hide();
        } else {
            tabStops.emplace_back(row.tabIndex, button);
        }
        window.*row.button = button;
    }
    // Each becomes usable once the correspondent's fields hold something.
    window.cmdRaschetKoordinat->setEnabled(false);
    window.cmdRaschetLocator->setEnabled(false);
}

void addResults(frmRaschet& window)
{
    for (const ResultRow& row : ResultRows) {
        QLabel* label = borderedLabel(&window, row.name);
        label->setText(QString::fromUtf8(row.caption));
        label->setGeometry(twipsRect(ResultLeft, row.top, ResultWidth, ResultHeight));
        label->setFont(dialogFont(9.75, true));
        setColour(label, QPalette::WindowText, row.colour);
        window.*row.label = label;
    }
}

void addCompass(frmRaschet& window, TabStops& tabStops)
{
    // The square around the compass, as wide as the results, lies under the
    // picture area.
    window.lblCompas = borderedLabel(&window, "lblCompas");
    window.lblCompas->setGeometry(twipsRect(ResultLeft, 2160, ResultWidth, ResultWidth));

    window.picCompas = named<CompassCanvas>(&window, "picCompas");
    window.picCompas->setGeometry(twipsRect(3960, 2280, 3492, 3495));
    // Tab reaches it; a right click for its menu leaves the focus where it is.
    window.picCompas->setFocusPolicy(Qt::TabFocus);
    tabStops.emplace_back(PicCompasTabIndex, window.picCompas);

    window.imgCompas = named<QLabel>(&window, "imgCompas");
    window.imgCompas->setGeometry(twipsRect(ResultLeft, 2280, 3660, 3570));
    window.imgCompas->setPixmap(ownPicture(QStringLiteral(":/compass.bmp")));
    window.imgCompas->hide();
}

void orderTabs(TabStops tabStops)
{
    std::stable_sort(tabStops.begin(), tabStops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
}

} // namespace

void frmRaschet::createControls()
{
    setFont(dialogFont(8.25));

    fraMyKoordinat = addFrame(this, "fraMyKoordinat", "СВОИ КООРДИНАТЫ", twipsRect(120, 120, 3492, 2532));
    fraKorKoordinat = addFrame(this, "fraKorKoordinat", "КООРДИНАТЫ КОРРЕСПОНДЕНТА", twipsRect(120, 2760, 3492, 2172));
    addGrid(fraMyKoordinat, MyLabelNames, MyLineNames);
    addGrid(fraKorKoordinat, KorLabelNames, KorLineNames);

    TabStops tabStops;
    addFields(*this, tabStops);
    addButtons(*this, tabStops);
    addResults(*this);
    addCompass(*this, tabStops);

    // The own-station fields show the first record of the station database.
    Data1 = named<store::RecordBinding>(this, "Data1");
    for (std::size_t i = 0; i < store::OwnStationColumns.size(); ++i)
        Data1->bind(ownStationFields()[i], QString::fromLatin1(store::OwnStationColumns[i]));

    orderTabs(tabStops);
}
