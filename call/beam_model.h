#pragma once

#include "dxcc/beam_table.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>
#include <QStringList>

#include <vector>

// The beam-heading table's rows for a view: each cell as dxcc::beamCells
// writes it, and under SortRole the value it sorts by, so that figures
// sort as numbers and a row without figures after every row with them.
class BeamModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int SortRole = Qt::UserRole;

    void setRows(std::vector<dxcc::BeamRow> rows);
    const dxcc::BeamRow& beamRow(int row) const { return rows_[std::size_t(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant sortValue(const dxcc::BeamRow& row, int column) const;

    std::vector<dxcc::BeamRow> rows_;
    std::vector<QStringList> cells_;
};

// The rows a typed text picks: those whose prefix begins with it or whose
// name holds it, in any case, and the entity of a whole call typed
// (JA1ABC picks Japan); all of them for no text.
class BeamFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit BeamFilter(BeamModel& model);

    void setText(const QString& text, const dxcc::Entity* callEntity);
    // The rows as the view shows them: picked, in its order.
    std::vector<dxcc::BeamRow> shownRows() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    BeamModel& model_;
    QString text_;
    const dxcc::Entity* callEntity_ = nullptr;
};
