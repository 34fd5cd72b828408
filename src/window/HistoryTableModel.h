#pragma once

#include "records/ConfigurationHistory.h"

#include <QAbstractTableModel>
#include <QList>

// The rows of the history window's table: the entries the filter lets through, in the order of
// the column last sorted by.
class HistoryTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Date, Time, Model, Firmware, Tag1, Tag2, DoneBy, DoneFor, ColumnCount };

    explicit HistoryTableModel(QObject* parent = nullptr);

    // The entries to show (kept by reference: they outlive the model) and the filter's text.
    void setEntries(const QList<HistoryEntry>* entries);
    void setFilter(const QString& text);
    // The number of the entry shown in `row`, 0 for none.
    int numberAt(int row) const;
    // The row showing entry `number`, -1 when the filter hides it.
    int rowOf(int number) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

  private:
    void sortRows();

    const QList<HistoryEntry>* entries_ = nullptr;
    QString filter_;
    QList<qsizetype> rows_;  // positions in *entries_
    int sortColumn_ = Date;
    Qt::SortOrder sortOrder_ = Qt::DescendingOrder;
};
