#pragma once

#include "vouchers/VoucherCounterRow.h"

#include <QAbstractTableModel>
#include <vector>

// The counter grid: code, name, the twelve month counters, the continuous flag (a check box)
// and the continuous counter. Counters take whole numbers from 0 up; anything else typed
// into a cell leaves it as it was.
class VoucherCounterModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int FirstMonthColumn = 2;
    static constexpr int ContinuoColumn = FirstMonthColumn + 12;
    static constexpr int NumeroContinuoColumn = ContinuoColumn + 1;

    explicit VoucherCounterModel(QObject *parent = nullptr);

    void setRows(std::vector<VoucherCounterRow> rows);
    const std::vector<VoucherCounterRow> &rows() const { return m_rows; }
    // Something was changed since the rows were set.
    bool isModified() const { return m_modified; }
    // The cell holding the counter of `month` (0 for the continuous one) in `row`.
    QModelIndex counterIndex(int row, int month) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<VoucherCounterRow> m_rows;
    bool m_modified = false;
};
