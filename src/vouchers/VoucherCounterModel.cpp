#include "vouchers/VoucherCounterModel.h"

#include "calendar/PeriodMonths.h"

namespace {
// The counter a column shows in a row, for reading and for writing alike; null for the
// columns that hold no counter.
template <typename Row> auto *counterOf(Row &row, int column)
{
    using Counter = decltype(&row.numeroContinuo);
    if (column >= VoucherCounterModel::FirstMonthColumn &&
        column < VoucherCounterModel::ContinuoColumn)
        return &row.meses[size_t(column - VoucherCounterModel::FirstMonthColumn)];
    return column == VoucherCounterModel::NumeroContinuoColumn ? &row.numeroContinuo
                                                               : Counter(nullptr);
}
} // namespace

VoucherCounterModel::VoucherCounterModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void VoucherCounterModel::setRows(std::vector<VoucherCounterRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_modified = false;
    endResetModel();
}

QModelIndex VoucherCounterModel::counterIndex(int row, int month) const
{
    return index(row, month == 0 ? NumeroContinuoColumn : FirstMonthColumn + month - 1);
}

int VoucherCounterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int VoucherCounterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : NumeroContinuoColumn + 1;
}

QVariant VoucherCounterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const VoucherCounterRow &row = m_rows[size_t(index.row())];
    const int column = index.column();
    if (column == ContinuoColumn)
        return role == Qt::CheckStateRole ? QVariant(row.continuo ? Qt::Checked : Qt::Unchecked)
                                          : QVariant();
    if (role == Qt::TextAlignmentRole && column >= FirstMonthColumn)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (column == 0)
        return row.codigo;
    if (column == 1)
        return row.nombre;
    // Edited as text, so the cell gets a plain line editor rather than a spin box.
    if (const int *counter = counterOf(row, column))
        return role == Qt::EditRole ? QVariant(QString::number(*counter)) : QVariant(*counter);
    return {};
}

bool VoucherCounterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return false;
    if (index.column() == ContinuoColumn) {
        if (role != Qt::CheckStateRole)
            return false;
        m_rows[size_t(index.row())].continuo = value.toInt() == Qt::Checked;
    } else {
        int *counter = counterOf(m_rows[size_t(index.row())], index.column());
        if (!counter || role != Qt::EditRole)
            return false;
        bool ok = false;
        const int number = value.toString().trimmed().toInt(&ok);
        if (!ok || number < 0)
            return false;
        *counter = number;
    }
    m_modified = true;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags VoucherCounterModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == ContinuoColumn)
        f |= Qt::ItemIsUserCheckable;
    else if (index.column() >= FirstMonthColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant VoucherCounterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("Código");
    if (section == 1)
        return QStringLiteral("Nombre");
    if (section == ContinuoColumn)
        return QStringLiteral("Continuo");
    if (section == NumeroContinuoColumn)
        return QStringLiteral("Número Continuo");
    return PeriodMonths::Column(section - FirstMonthColumn + 1);
}
