#pragma once

#include "data/Dataset.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <memory>

namespace morvane {

// The rows of a Dataset as the data list shows them. Cells are formatted on demand from the
// shared rows (DataListColumns), so a list of a million rows costs no memory of its own and
// paints only what is visible. The row count is taken when the list is rebuilt (rebuild()),
// the column count is 6 (values as read) or 11 (with the normalised values).
class DataListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit DataListModel(QObject* parent = nullptr);

    // Shows the rows of `data` (or none) from row 1 to anzahl() in their current order.
    void rebuild(std::shared_ptr<const Dataset> data);
    void setVisibleColumns(int count);
    void setHeading(int column, const QString& heading);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::shared_ptr<const Dataset> m_data;
    int m_rows = 0;
    int m_columns;
    QStringList m_headings;
};

} // namespace morvane
