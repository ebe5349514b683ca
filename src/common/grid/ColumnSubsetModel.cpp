#include "common/grid/ColumnSubsetModel.h"

ColumnSubsetModel::ColumnSubsetModel(const QList<int> &columns, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_columns(columns)
{
}

bool ColumnSubsetModel::filterAcceptsColumn(int sourceColumn, const QModelIndex &) const
{
    return m_columns.contains(sourceColumn);
}
