#include "call/frmBeamTable.h"

#include "call/beam_file.h"
#include "call/call_texts.h"
#include "dxcc/call_rules.h"
#include "dxcc/country_source.h"
#include "geodesy/locator.h"
#include "map/beam_sheet.h"
#include "face/classic_font.h"
#include "message_box/message_box.h"
#include "paper/paper.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// No button is the default: Enter in the field prints nothing.
QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

bool samePlace(const geodesy::Position& a, const geodesy::Position& b)
{
    return a.latitude == b.latitude && a.longitude == b.longitude;
}

} // namespace

frmBeamTable::frmBeamTable(const CallContext& context, QWidget* mainWindow)
    : QDialog(mainWindow)
    , context_(context)
{
    setObjectName(QStringLiteral("frmBeamTable"));
    setWindowTitle(QStringLiteral("Таблица азимутов"));
    setFont(dialogFont(8.25));
    resize(760, 560);  // every column in sight
    createControls();

    connect(txtFilter, &QLineEdit::textChanged, this, &frmBeamTable::txtFilter_Change);
    connect(cmdPrint, &QPushButton::clicked, this, &frmBeamTable::cmdPrint_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmBeamTable::cmdSave_Click);
    connect(&filter_, &QAbstractItemModel::modelReset, this, &frmBeamTable::showCount);
    connect(&filter_, &QAbstractItemModel::layoutChanged, this, &frmBeamTable::showCount);
    connect(&filter_, &QAbstractItemModel::rowsInserted, this, &frmBeamTable::showCount);
    connect(&filter_, &QAbstractItemModel::rowsRemoved, this, &frmBeamTable::showCount);
}

void frmBeamTable::createControls()
{
    lblHeading = new QLabel(this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setWordWrap(true);
    lblHeading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    txtFilter = new QLineEdit(this);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    auto* caption = new QLabel(QStringLiteral("&Найти префикс или страну:"), this);
    caption->setObjectName(QStringLiteral("lblFilter"));
    caption->setBuddy(txtFilter);

    grdBeam = new QTableView(this);
    grdBeam->setObjectName(QStringLiteral("grdBeam"));
    grdBeam->setModel(&filter_);
    grdBeam->setSortingEnabled(true);
    grdBeam->sortByColumn(0, Qt::AscendingOrder);
    grdBeam->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdBeam->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdBeam->setWordWrap(false);
    grdBeam->verticalHeader()->hide();
    grdBeam->verticalHeader()->setDefaultSectionSize(grdBeam->fontMetrics().height() + 4);
    grdBeam->horizontalHeader()->setStretchLastSection(false);

    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    cmdPrint = button(this, "cmdPrint", QStringLiteral("&Печать…"));
    cmdSave = button(this, "cmdSave", QStringLiteral("&Сохранить…"));

    auto* field = new QHBoxLayout;
    field->addWidget(caption);
    field->addWidget(txtFilter, 1);
    auto* bar = new QHBoxLayout;
    bar->addWidget(cmdPrint);
    bar->addWidget(cmdSave);
    bar->addStretch();
    bar->addWidget(lblCount);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblHeading);
    column->addLayout(field);
    column->addWidget(grdBeam, 1);
    column->addLayout(bar);
}

void frmBeamTable::bringUp()
{
    fill();
    show();
    raise();
    activateWindow();
    txtFilter->setFocus();
}

// The sort and the picked rows stay as they were.
void frmBeamTable::fill()
{
    const auto own = context_.ownStation();
    const auto* position = std::get_if<geodesy::Position>(&own);
    if (position && own_ && samePlace(*position, *own_))
        return;
    const dxcc::CountryFile* file = position ? context_.countries->file() : nullptr;
    if (!file) {
        own_.reset();
        heading_.clear();
        model_.setRows({});
        lblHeading->setText(position ? calltexts::sentence(QString::fromStdString(context_.countries->failure())) : std::get<QString>(own));
    } else {
        own_ = *position;
        heading_ = calltexts::fromUtf8(dxcc::beamHeading(geodesy::encodeLocator(*position).text, *position, *file,
                                                         std::time_t(context_.now().toSecsSinceEpoch())));
        model_.setRows(dxcc::beamTable(*file, *position, dxcc::BeamOrder::Prefix));
        grdBeam->resizeColumnsToContents();
        lblHeading->setText(heading_);
    }
    cmdPrint->setEnabled(own_.has_value());
    cmdSave->setEnabled(own_.has_value());
}

void frmBeamTable::showCount()
{
    lblCount->setText(own_ ? QStringLiteral("Стран в таблице: %1 из %2; * — только для WAE").arg(filter_.rowCount()).arg(model_.rowCount())
                           : QString());
}

// A whole call picks its country too; the file is there once the table is.
void frmBeamTable::txtFilter_Change()
{
    const dxcc::Entity* callEntity = nullptr;
    if (const dxcc::CountryFile* file = own_ ? context_.countries->file() : nullptr) {
        const auto found = dxcc::findEntity(*file, txtFilter->text().toStdString());
        if (const auto* match = std::get_if<dxcc::CallMatch>(&found))
            callEntity = match->entity;
    }
    filter_.setText(txtFilter->text(), callEntity);
}

void frmBeamTable::cmdPrint_Click()
{
    const bool available = paper::print(this, QStringLiteral("Печать таблицы азимутов"),
                                        [this](QPagedPaintDevice& printer, const QRectF&) {
                                            map::paintBeamSheet(printer, filter_.shownRows(), heading_);
                                        });
    if (!available)
        showMessage(this, paper::unavailableText());
}

void frmBeamTable::cmdSave_Click()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, QStringLiteral("Сохранить таблицу азимутов"),
        QString::fromStdString(geodesy::encodeLocator(*own_).text) + QStringLiteral(".csv"),
        QStringLiteral("Таблица CSV (*.csv);;Документ PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (const QString failure = saveTo(fileName); !failure.isEmpty())
        showMessage(this, failure);
}

QString frmBeamTable::saveTo(const QString& fileName) const
{
    return saveBeamTable(fileName, filter_.shownRows(), heading_);
}

// Back from the main window, the table follows its own station.
void frmBeamTable::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fill();
}
