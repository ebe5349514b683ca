#pragma once

#include "periods/PeriodBlocking.h"

#include <QAbstractTableModel>
#include <QStringList>

// The blocking grid: code, name and one check box per month for each company, with the
// context-menu operations that set or clear a whole row or a whole month.
class PeriodBlockingModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int FirstMonthColumn = 2;

    explicit PeriodBlockingModel(QObject *parent = nullptr);

    // "Codigo", "Nombre", then the months as the grid titles them.
    static const QStringList &Headers();
    // "Marcar1", "Desmarcar1" (every month of the row), "Marcar2", "Desmarcar2" (the
    // column's month in every row).
    static const QStringList &MenuKeys();

    void setRows(std::vector<PeriodFlags> rows);
    const std::vector<PeriodFlags> &rows() const { return m_rows; }

    // Runs a context-menu key on the clicked cell; false when it does not apply there.
    bool applyMenuKey(const QString &key, const QModelIndex &clicked);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    static int monthOf(const QModelIndex &index);

    std::vector<PeriodFlags> m_rows;
};
