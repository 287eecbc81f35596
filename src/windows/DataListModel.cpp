#include "windows/DataListModel.h"

#include "data/DataListColumns.h"

#include <algorithm>

namespace morvane {

DataListModel::DataListModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_columns(DataListColumns::rawColumnCount), m_headings{"Anr", "A",     "B",    "C",
                                                             "D",   "Farbe", "nA",   "nB",
                                                             "nC",  "nD",    "Summe"} {}

void DataListModel::rebuild(std::shared_ptr<const Dataset> data) {
    beginResetModel();
    m_data = std::move(data);
    m_rows = m_data ? std::max(m_data->anzahl(), 0) : 0;
    endResetModel();
}

void DataListModel::setVisibleColumns(int count) {
    count = std::clamp(count, 0, DataListColumns::allColumnCount);
    if (count > m_columns) {
        beginInsertColumns({}, m_columns, count - 1);
        m_columns = count;
        endInsertColumns();
    } else if (count < m_columns) {
        beginRemoveColumns({}, count, m_columns - 1);
        m_columns = count;
        endRemoveColumns();
    }
}

void DataListModel::setHeading(int column, const QString& heading) {
    if (column < 0 || column >= m_headings.size() || m_headings[column] == heading) {
        return;
    }
    m_headings[column] = heading;
    if (column < m_columns) {
        emit headerDataChanged(Qt::Horizontal, column, column);
    }
}

int DataListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int DataListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant DataListModel::data(const QModelIndex& index, int role) const {
    if (!m_data || !index.isValid() || index.row() >= m_rows || index.column() >= m_columns) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        // Rows are numbered from 1 in the data set.
        const datarow& row = m_data->row(index.row() + 1);
        return QString::fromStdString(DataListColumns::cell(row, index.column()));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant DataListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_headings[section];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags DataListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace morvane
