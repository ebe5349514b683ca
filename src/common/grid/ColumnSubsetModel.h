#pragma once

#include <QList>
#include <QSortFilterProxyModel>

// The chosen columns of a model (in the model's order), for whatever prints a grid as the
// user sees it: hidden columns stay out.
class ColumnSubsetModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit ColumnSubsetModel(const QList<int> &columns, QObject *parent = nullptr);

protected:
    bool filterAcceptsColumn(int sourceColumn, const QModelIndex &sourceParent) const override;

private:
    QList<int> m_columns;
};
