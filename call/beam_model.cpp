#include "call/beam_model.h"

#include "call/call_texts.h"
#include "dxcc/entity_texts.h"

#include <limits>

namespace {

using calltexts::fromUtf8;

enum Column { Prefix, Name, Continent, Cq, Itu, Azimuth, LongAzimuth, Km, Utc };

// A row without figures sorts after every row that has them.
template <typename Number>
QVariant orLast(const std::optional<dxcc::Headings>& paths, Number dxcc::Headings::*figure)
{
    return QVariant::fromValue(paths ? (*paths).*figure : std::numeric_limits<Number>::max());
}

} // namespace

void BeamModel::setRows(std::vector<dxcc::BeamRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    cells_.clear();
    for (const dxcc::BeamRow& row : rows_) {
        QStringList cells;
        for (const std::string& cell : dxcc::beamCells(row))
            cells << QString::fromStdString(cell);
        cells_.push_back(cells);
    }
    endResetModel();
}

int BeamModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int BeamModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(std::size(dxcc::BeamColumns));
}

QVariant BeamModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cells_[std::size_t(index.row())][index.column()];
    case SortRole:
        return sortValue(rows_[std::size_t(index.row())], index.column());
    case Qt::TextAlignmentRole:
        // Words to the left, figures to the right, as on paper.
        return index.column() >= Cq && index.column() <= Km ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                            : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant BeamModel::sortValue(const dxcc::BeamRow& row, int column) const
{
    const dxcc::Values& values = row.entity->values;
    switch (Column(column)) {
    case Prefix:
        return QString::fromStdString(row.entity->prefix);
    case Name:
        return fromUtf8(dxcc::shownName(*row.entity));
    case Continent:
        return QString::fromLatin1(values.continent);
    case Cq:
        return values.cqZone;
    case Itu:
        return values.ituZone;
    case Azimuth:
        return orLast(row.paths, &dxcc::Headings::shortAzimuth);
    case LongAzimuth:
        return orLast(row.paths, &dxcc::Headings::longAzimuth);
    case Km:
        return orLast(row.paths, &dxcc::Headings::shortKm);
    case Utc:
        return values.utcOffsetHours;
    }
    return {};
}

QVariant BeamModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return fromUtf8(dxcc::BeamColumns[section]);
}

BeamFilter::BeamFilter(BeamModel& model)
    : model_(model)
{
    setSourceModel(&model);
    setSortRole(BeamModel::SortRole);
    setSortLocaleAware(true);
}

void BeamFilter::setText(const QString& text, const dxcc::Entity* callEntity)
{
    text_ = text.trimmed();
    callEntity_ = callEntity;
    invalidateFilter();
}

bool BeamFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (text_.isEmpty())
        return true;
    const dxcc::Entity& entity = *model_.beamRow(sourceRow).entity;
    return &entity == callEntity_ || QString::fromStdString(entity.prefix).startsWith(text_, Qt::CaseInsensitive)
        || fromUtf8(dxcc::shownName(entity)).contains(text_, Qt::CaseInsensitive);
}

std::vector<dxcc::BeamRow> BeamFilter::shownRows() const
{
    std::vector<dxcc::BeamRow> rows;
    for (int row = 0; row < rowCount(); ++row)
        rows.push_back(model_.beamRow(mapToSource(index(row, 0)).row()));
    return rows;
}
