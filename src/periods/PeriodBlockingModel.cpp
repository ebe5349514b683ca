#include "periods/PeriodBlockingModel.h"

PeriodBlockingModel::PeriodBlockingModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

const QStringList &PeriodBlockingModel::Headers()
{
    // "febrero" in lower case is how the grid has always titled it.
    static const QStringList headers{"Codigo",     "Nombre",  "Enero",     "febrero",  "Marzo",
                                     "Abril",      "Mayo",    "Junio",     "Julio",    "Agosto",
                                     "Septiembre", "Octubre", "Noviembre", "Diciembre"};
    return headers;
}

const QStringList &PeriodBlockingModel::MenuKeys()
{
    static const QStringList keys{"Marcar1", "Desmarcar1", "Marcar2", "Desmarcar2"};
    return keys;
}

void PeriodBlockingModel::setRows(std::vector<PeriodFlags> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int PeriodBlockingModel::monthOf(const QModelIndex &index)
{
    const int month = index.column() - FirstMonthColumn;
    return index.isValid() && month >= 0 && month < 12 ? month : -1;
}

bool PeriodBlockingModel::applyMenuKey(const QString &key, const QModelIndex &clicked)
{
    if (!clicked.isValid() || clicked.row() >= int(m_rows.size()))
        return false;
    const int keyIndex = MenuKeys().indexOf(key);
    if (keyIndex < 0)
        return false;
    const bool block = keyIndex == 0 || keyIndex == 2;
    if (keyIndex < 2) {
        m_rows[clicked.row()].bloqueado.fill(block);
        emit dataChanged(index(clicked.row(), FirstMonthColumn),
                         index(clicked.row(), FirstMonthColumn + 11), {Qt::CheckStateRole});
        return true;
    }
    const int month = monthOf(clicked);
    if (month < 0)
        return false;
    for (PeriodFlags &row : m_rows)
        row.bloqueado[month] = block;
    emit dataChanged(index(0, clicked.column()), index(rowCount() - 1, clicked.column()),
                     {Qt::CheckStateRole});
    return true;
}

int PeriodBlockingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PeriodBlockingModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(Headers().size());
}

QVariant PeriodBlockingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const PeriodFlags &row = m_rows[index.row()];
    const int month = monthOf(index);
    if (month >= 0)
        return role == Qt::CheckStateRole
                   ? QVariant(row.bloqueado[month] ? Qt::Checked : Qt::Unchecked)
                   : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    return index.column() == 0 ? row.empresa : row.nombre;
}

bool PeriodBlockingModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const int month = monthOf(index);
    if (role != Qt::CheckStateRole || month < 0 || index.row() >= int(m_rows.size()))
        return false;
    m_rows[index.row()].bloqueado[month] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags PeriodBlockingModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (monthOf(index) >= 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant PeriodBlockingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < Headers().size())
        return Headers().at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
