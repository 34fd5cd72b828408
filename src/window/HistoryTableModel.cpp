#include "window/HistoryTableModel.h"

#include <algorithm>
#include <tuple>

namespace {

QString columnText(const HistoryEntry& entry, int column) {
    switch (column) {
        case HistoryTableModel::Date:
            return entry.date;
        case HistoryTableModel::Time:
            return entry.time;
        case HistoryTableModel::Model:
            return entry.model;
        case HistoryTableModel::Firmware:
            return QString::number(entry.firmware);
        case HistoryTableModel::Tag1:
            return entry.tag1;
        case HistoryTableModel::Tag2:
            return entry.tag2;
        case HistoryTableModel::DoneBy:
            return entry.doneBy;
        case HistoryTableModel::DoneFor:
            return entry.doneFor;
        default:
            return {};
    }
}

// Whether `a` comes before `b` in ascending order of `column`; equal rows keep the log's order,
// so the newest of one second comes first when sorted newest first.
bool before(const HistoryEntry& a, const HistoryEntry& b, int column) {
    switch (column) {
        case HistoryTableModel::Date:
            // The date as written follows the writer's locale; the day read from it sorts.
            return std::tie(a.day, a.time, a.number) < std::tie(b.day, b.time, b.number);
        case HistoryTableModel::Firmware:
            return std::tie(a.firmware, a.number) < std::tie(b.firmware, b.number);
        default: {
            const int order =
                QString::compare(columnText(a, column), columnText(b, column), Qt::CaseInsensitive);
            return order != 0 ? order < 0 : a.number < b.number;
        }
    }
}

}  // namespace

HistoryTableModel::HistoryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void HistoryTableModel::setEntries(const QList<HistoryEntry>* entries) {
    beginResetModel();
    entries_ = entries;
    rows_ = FilterHistory(*entries_, filter_);
    sortRows();
    endResetModel();
}

void HistoryTableModel::setFilter(const QString& text) {
    filter_ = text;
    if (entries_ != nullptr) {
        setEntries(entries_);
    }
}

int HistoryTableModel::numberAt(int row) const {
    return row >= 0 && row < rows_.size() ? (*entries_)[rows_[row]].number : 0;
}

int HistoryTableModel::rowOf(int number) const {
    // Entry n sits at position n - 1 of the index.
    const auto found = std::find(rows_.cbegin(), rows_.cend(), qsizetype{number} - 1);
    return found != rows_.cend() ? static_cast<int>(found - rows_.cbegin()) : -1;
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) {
        return {};
    }
    const HistoryEntry& entry = (*entries_)[rows_[index.row()]];
    if (role == Qt::DisplayRole) {
        return columnText(entry, index.column());
    }
    if (role == Qt::ToolTipRole) {
        return QStringLiteral("Entry %1 of the history").arg(entry.number);
    }
    return {};
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const captions[ColumnCount] = {
        "Date", "Time", "Model", "Firmware", "Tag 1", "Tag 2", "Configured by", "Configured for"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(captions[section])
                                                 : QVariant();
}

void HistoryTableModel::sort(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    if (entries_ == nullptr) {
        return;
    }
    beginResetModel();
    sortRows();
    endResetModel();
}

void HistoryTableModel::sortRows() {
    const QList<HistoryEntry>& entries = *entries_;
    const int column = sortColumn_;
    const bool ascending = sortOrder_ == Qt::AscendingOrder;
    std::sort(rows_.begin(), rows_.end(), [&](qsizetype a, qsizetype b) {
        return ascending ? before(entries[a], entries[b], column)
                         : before(entries[b], entries[a], column);
    });
}
