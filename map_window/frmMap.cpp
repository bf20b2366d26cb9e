#include "map_window/frmMap.h"

#include "dxcc/country_source.h"
#include "dxcc/station_text.h"
#include "geodesy/locator.h"
#include "keyboard/latin_fields.h"
#include "face/classic_font.h"
#include "map/map_file.h"
#include "rotator/rotator_session.h"
#include "map_window/map_view.h"
#include "message_box/message_box.h"
#include "paper/paper.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

const QString Geometry = QStringLiteral("map/geometry");
const QString BeamWidth = QStringLiteral("map/beamWidth");
const QString Prefixes = QStringLiteral("map/prefixes");
const QString Night = QStringLiteral("map/night");

QString locatorOf(const geodesy::Position& position)
{
    return QString::fromStdString(geodesy::encodeLocator(position).text);
}

QPushButton* button(const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    return b;
}

// A window's outer rectangle beside `main` within the screen's `area`: on
// the side with room for the most of it, first of all one where it fits at
// least at its `least` size; on a tie right, then left, below, above. It is
// shrunk to the room, never below `least`; with no room for that anywhere,
// it stays on the screen and overlaps `main` as little as it can.
QRect besideMain(const QRect& main, const QRect& area, const QSize& wanted, const QSize& least)
{
    enum Side { Right, Left, Below, Above };
    const QSize rooms[] = {{area.right() - main.right(), area.height()},
                           {main.left() - area.left(), area.height()},
                           {area.width(), area.bottom() - main.bottom()},
                           {area.width(), main.top() - area.top()}};
    int best = Right;
    QSize bestShown;
    std::pair<bool, qint64> bestRoom{false, -1};
    for (int side = Right; side <= Above; ++side) {
        const QSize shown = wanted.boundedTo(rooms[side]).expandedTo(QSize(0, 0));
        const std::pair<bool, qint64> room{shown.width() >= least.width() && shown.height() >= least.height(),
                                           qint64(shown.width()) * shown.height()};
        if (room > bestRoom) {
            best = side;
            bestShown = shown;
            bestRoom = room;
        }
    }
    const QSize size = bestShown.expandedTo(least);
    QPoint corner;
    switch (best) {
    case Right: corner = {main.right() + 1, main.top()}; break;
    case Left: corner = {main.left() - size.width(), main.top()}; break;
    case Below: corner = {main.left(), main.bottom() + 1}; break;
    default: corner = {main.left(), main.top() - size.height()}; break;
    }
    corner.setX(std::max(area.left(), std::min(corner.x(), area.right() + 1 - size.width())));
    corner.setY(std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - size.height())));
    return {corner, size};
}

// A first size with room for a roughly square map between the bar and the
// search line.
constexpr QSize FirstSize(720, 760);
// Beam widths from a long Yagi's few degrees to half the horizon.
constexpr int NarrowestBeam = 5;
constexpr int WidestBeam = 180;
// A move or a resize still this long is done, and the place is kept.
constexpr int PlaceSettlesMs = 500;

} // namespace

frmMap::frmMap(rotator::RotatorSession& session, const geodesy::Position& own, dxcc::CountrySource& countries)
    : session_(session)
    , countries_(countries)
{
    setObjectName(QStringLiteral("frmMap"));
    setFont(dialogFont(8.25));
    resize(FirstSize);

    mapView = new MapView(session);
    QHBoxLayout* bar = createBar();
    QHBoxLayout* bottom = createSearchLine();
    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addWidget(mapView, 1);
    column->addLayout(bottom);
    connectControls();
    startTimers();

    mapView->scene().beamWidth = spnBeam->value();
    mapView->scene().showPrefixes = chkPrefixes->isChecked();
    showNight(chkNight->isChecked());
    setOwn(own);
    placeKept_ = restoreGeometry(settingsFile().value(Geometry).toByteArray());
    showHeading();
}

// The buttons, the kept choices and the beam's width, in a row above the map.
QHBoxLayout* frmMap::createBar()
{
    cmdWholeEarth = button("cmdWholeEarth", QStringLiteral("&Весь мир"));
    cmdOpenLog = button("cmdOpenLog", QStringLiteral("Открыть &журнал…"));
    cmdSave = button("cmdSave", QStringLiteral("&Сохранить…"));
    cmdPrint = button("cmdPrint", QStringLiteral("&Печать…"));
    chkNight = new QCheckBox(QStringLiteral("&День и ночь"));
    chkNight->setObjectName(QStringLiteral("chkNight"));
    chkNight->setChecked(settingsFile().value(Night, false).toBool());
    chkPrefixes = new QCheckBox(QStringLiteral("П&рефиксы"));
    chkPrefixes->setObjectName(QStringLiteral("chkPrefixes"));
    chkPrefixes->setChecked(settingsFile().value(Prefixes, true).toBool());
    spnBeam = new QSpinBox;
    spnBeam->setObjectName(QStringLiteral("spnBeam"));
    spnBeam->setRange(NarrowestBeam, WidestBeam);
    spnBeam->setSuffix(QStringLiteral("°"));
    spnBeam->setValue(settingsFile().value(BeamWidth, map::DefaultBeamWidth).toInt());
    auto* beamCaption = new QLabel(QStringLiteral("&Луч антенны:"));
    beamCaption->setBuddy(spnBeam);

    auto* bar = new QHBoxLayout;
    for (QWidget* control : {static_cast<QWidget*>(cmdWholeEarth), static_cast<QWidget*>(cmdOpenLog),
                             static_cast<QWidget*>(cmdSave), static_cast<QWidget*>(cmdPrint),
                             static_cast<QWidget*>(chkNight), static_cast<QWidget*>(chkPrefixes),
                             static_cast<QWidget*>(beamCaption), static_cast<QWidget*>(spnBeam)})
        bar->addWidget(control);
    bar->addStretch();
    return bar;
}

// The search beside the status line, which answers it.
QHBoxLayout* frmMap::createSearchLine()
{
    txtSearch = new QLineEdit;
    keyboard::typeLatin(txtSearch);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setToolTip(QStringLiteral("Локатор, координаты ШИРОТА,ДОЛГОТА или позывной: клавиша ввода "
                                         "покажет оба пути к нему"));
    auto* searchCaption = new QLabel(QStringLiteral("П&оиск:"));
    searchCaption->setBuddy(txtSearch);
    lblStatus = new QLabel;
    lblStatus->setObjectName(QStringLiteral("lblStatus"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(searchCaption);
    bottom->addWidget(txtSearch);
    bottom->addWidget(lblStatus, 1);
    return bottom;
}

void frmMap::connectControls()
{
    connect(cmdWholeEarth, &QPushButton::clicked, mapView, &MapView::wholeEarth);
    // Home too, wherever the focus is but in the search field, which keeps
    // it for its cursor as any text field does. The beam's spin box would
    // keep it as well, and gives it up (eventFilter).
    connect(new QShortcut(Qt::Key_Home, this), &QShortcut::activated, mapView, &MapView::wholeEarth);
    spnBeam->installEventFilter(this);
    connect(cmdOpenLog, &QPushButton::clicked, this, &frmMap::cmdOpenLog_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmMap::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmMap::cmdPrint_Click);
    connect(chkNight, &QCheckBox::toggled, this, &frmMap::chkNight_Toggled);
    connect(chkPrefixes, &QCheckBox::toggled, this, &frmMap::chkPrefixes_Toggled);
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmMap::txtSearch_Enter);
    connect(spnBeam, &QSpinBox::valueChanged, this, [this](int degrees) {
        mapView->scene().beamWidth = degrees;
        settingsFile().setValue(BeamWidth, degrees);
        mapView->overlayChanged();
    });
    connect(mapView, &MapView::pointed, this, [this](const QString& words) {
        lblStatus->setText(words);
        if (words.isEmpty())
            showLogCount();
    });
    connect(&session_, &rotator::RotatorSession::headingChanged, this, &frmMap::showHeading);
}

void frmMap::startTimers()
{
    // The night as it is now, a minute at a time.
    minute_.setInterval(60 * 1000);
    connect(&minute_, &QTimer::timeout, this, [this] { showNight(true); });
    keepPlace_.setSingleShot(true);
    keepPlace_.setInterval(PlaceSettlesMs);
    connect(&keepPlace_, &QTimer::timeout, this, [this] { settingsFile().setValue(Geometry, saveGeometry()); });
}

frmMap::~frmMap() = default;

void frmMap::placeBeside(const QRect& mainFrame)
{
    if (placeKept_)
        return;
    const QScreen* screen = QGuiApplication::screenAt(mainFrame.center());
    const QRect area = (screen ? screen : this->screen())->availableGeometry();
    // The native window first, so that the window system tells its frame
    // where it can before the first show.
    create();
    const QSize frame = frameGeometry().size() - size();
    const QRect outer =
        besideMain(mainFrame, area, size() + frame, minimumSizeHint().expandedTo(minimumSize()) + frame);
    resize(outer.size() - frame);
    move(outer.topLeft());
}

void frmMap::setOwn(const geodesy::Position& own)
{
    mapView->scene().own = {own, locatorOf(own)};
    setWindowTitle(QStringLiteral("Карта — %1").arg(mapView->scene().own.locator));
    mapView->sceneChanged();
}

void frmMap::showCalculation(const geodesy::Position& own, const geodesy::Position& kor, const QString& label)
{
    const geodesy::Position& centre = mapView->scene().own.position;
    mapView->scene().correspondents = {{kor, label.isEmpty() ? locatorOf(kor) : label}};
    if (own.latitude != centre.latitude || own.longitude != centre.longitude)
        setOwn(own);
    else
        mapView->overlayChanged();
    mapView->bringIntoView(kor);
}

void frmMap::showHeading()
{
    mapView->scene().heading = session_.heading();
    mapView->overlayChanged();
}

void frmMap::chkNight_Toggled(bool on)
{
    settingsFile().setValue(Night, on);
    showNight(on);
}

// The night as it is now, or none; anew each minute while it is shown.
void frmMap::showNight(bool on)
{
    mapView->scene().nightAt = on ? std::optional<double>(QDateTime::currentSecsSinceEpoch()) : std::nullopt;
    on ? minute_.start() : minute_.stop();
    mapView->sceneChanged();
}

const dxcc::CountryFile* frmMap::countryFile()
{
    const dxcc::CountryFile* file = countries_.file();
    if (file && !mapView->scene().countries) {
        mapView->scene().countries = file;
        mapView->overlayChanged();
    }
    return file;
}

void frmMap::chkPrefixes_Toggled(bool on)
{
    settingsFile().setValue(Prefixes, on);
    mapView->scene().showPrefixes = on;
    mapView->overlayChanged();
    if (on && isVisible())
        readPrefixes();
}

void frmMap::readPrefixes()
{
    if (!countryFile())
        lblStatus->setText(QStringLiteral("Префиксы не показаны: %1").arg(QString::fromStdString(countries_.failure())));
}

// A locator of any length, "LAT,LON" or a callsign, read as the command
// line reads a station.
void frmMap::txtSearch_Enter()
{
    const QString text = txtSearch->text().trimmed();
    if (text.isEmpty())
        return;
    const auto read = dxcc::readStationText(text.toStdString(), countries_);
    if (const auto* failure = std::get_if<dxcc::StationFailure>(&read)) {
        lblStatus->setText(QString::fromStdString(dxcc::stationMessage("", text.toStdString(), *failure)).trimmed());
        return;
    }
    const dxcc::Station& station = std::get<dxcc::Station>(read);
    const QString where = station.call
        ? QString::fromStdString(dxcc::callLine(*station.call, *countries_.file())) + QStringLiteral("   ")
        : QString();
    showFound(station.position, QString::fromStdString(dxcc::stationLabel(text.toStdString(), station)), where);
}

// Both paths to it from the own station, as a calculation shows them, and
// where it is in the status line.
void frmMap::showFound(const geodesy::Position& position, const QString& label, const QString& what)
{
    showCalculation(mapView->scene().own.position, position, label);
    lblStatus->setText(what + mapView->wordsAbout(position));
}

void frmMap::cmdOpenLog_Click()
{
    const QString fileName = QFileDialog::getOpenFileName(this, QStringLiteral("Открыть журнал"), QString(),
                                                          QStringLiteral("Журналы ADIF (*.adi *.adif);;Все файлы (*)"));
    if (!fileName.isEmpty())
        showLog(fileName);
}

void frmMap::showLog(const QString& fileName)
{
    QFile file(fileName);
    const auto shown = QDir::toNativeSeparators(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(this, QStringLiteral("Не удалось открыть журнал %1.").arg(shown));
        return;
    }
    auto read = map::readLogPoints(
        [&file](char* buffer, std::size_t size) {
            const qint64 got = file.read(buffer, qint64(size));
            return got > 0 ? std::size_t(got) : 0;
        },
        countryFile());
    if (const auto* wrong = std::get_if<std::string>(&read)) {
        showMessage(this, QStringLiteral("Журнал %1 испорчен:\n%2").arg(shown, QString::fromStdString(*wrong)));
        return;
    }
    log_ = std::move(std::get<map::LogPoints>(read));
    logName_ = QFileInfo(fileName).fileName();
    mapView->scene().log = &*log_;
    mapView->sceneChanged();
    showLogCount();
}

void frmMap::showLogCount()
{
    // The count after its noun, as the line had it before, needs no
    // plural form.
    if (!log_)
        return;
    const QString atCountry = log_->entityPoints.empty()
        ? QString()
        : QStringLiteral(", из них по стране позывного %1").arg(log_->entityPoints.size());
    lblStatus->setText(QStringLiteral("%1: на карте связей %2%3, без положения %4")
                           .arg(logName_)
                           .arg(log_->points.size() + log_->entityPoints.size())
                           .arg(atCountry)
                           .arg(log_->withoutPosition));
}

QString frmMap::saveTo(const QString& fileName) const
{
    const std::optional<map::MapFormat> format = map::mapFormatOf(fileName);
    if (!format)
        return QStringLiteral("Картинку можно сохранить в PNG, SVG или PDF: имя файла должно кончаться на .png, .svg "
                              "или .pdf.");
    const std::variant<QByteArray, map::MapFileFailure> made = map::mapFile(mapView->renderer(), titled(), *format, {});
    if (const auto* failure = std::get_if<map::MapFileFailure>(&made)) {
        if (*failure == map::MapFileFailure::NoSvgWriter)
            return paper::unavailableText();
        return QStringLiteral("Не хватило памяти на картинку, %1 не записан.").arg(QDir::toNativeSeparators(fileName));
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(std::get<QByteArray>(made)) < 0 || !file.commit())
        return QStringLiteral("Не удалось записать %1.").arg(QDir::toNativeSeparators(fileName));
    return {};
}

// On paper the map says whose it is, and when the night was.
map::MapScene frmMap::titled() const
{
    map::MapScene scene = mapView->scene();
    scene.title = map::mapTitle(scene.own, scene.nightAt);
    return scene;
}

void frmMap::cmdSave_Click()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, QStringLiteral("Сохранить карту"), mapView->scene().own.locator + QStringLiteral(".png"),
        QStringLiteral("Картинка PNG (*.png);;Рисунок SVG (*.svg);;Документ PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (const QString failure = saveTo(fileName); !failure.isEmpty())
        showMessage(this, failure);
}

void frmMap::cmdPrint_Click()
{
    const bool available
        = paper::print(this, QStringLiteral("Печать карты"), [this](QPagedPaintDevice& printer, const QRectF& page) {
              QPainter painter(&printer);
              mapView->renderer().paint(painter, page, titled());
          });
    if (!available)
        showMessage(this, paper::unavailableText());
}

// Home left unaccepted by the beam's spin box goes on to the window's
// shortcut.
bool frmMap::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == spnBeam && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Home && key->modifiers() == Qt::NoModifier)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMap::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (chkPrefixes->isChecked())
        readPrefixes();
}

void frmMap::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    keepPlace_.start();
}

void frmMap::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    keepPlace_.start();
}
