#include "ledger/accounts/CostCentreShareModel.h"

#include "ledger/accounts/PercentageText.h"

CostCentreShareModel::CostCentreShareModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void CostCentreShareModel::setShares(std::vector<CostCentreShare> shares)
{
    beginResetModel();
    m_shares = std::move(shares);
    endResetModel();
    emit totalChanged();
}

bool CostCentreShareModel::add(const CostCentreShare &share)
{
    if (find(share.code) >= 0)
        return false;
    const int row = int(m_shares.size());
    beginInsertRows({}, row, row);
    m_shares.push_back(share);
    endInsertRows();
    emit totalChanged();
    return true;
}

void CostCentreShareModel::removeShare(int row)
{
    if (row < 0 || row >= int(m_shares.size()))
        return;
    beginRemoveRows({}, row, row);
    m_shares.erase(m_shares.begin() + row);
    endRemoveRows();
    emit totalChanged();
}

int CostCentreShareModel::find(const QString &code) const
{
    for (size_t i = 0; i < m_shares.size(); ++i)
        if (m_shares[i].code == code)
            return int(i);
    return -1;
}

Rate CostCentreShareModel::total() const
{
    qint64 sum = 0;
    for (const CostCentreShare &s : m_shares)
        sum += s.percentage.millionths();
    return Rate::fromMillionths(sum);
}

QString CostCentreShareModel::totalText() const
{
    return total().format(m_locale, 2);
}

int CostCentreShareModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shares.size());
}

int CostCentreShareModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant CostCentreShareModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_shares.size()))
        return {};
    const CostCentreShare &s = m_shares[size_t(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() == PercentageColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case CodeColumn:
        return s.code;
    case NameColumn:
        return s.name;
    case PercentageColumn:
        return PercentageText(s.percentage, m_locale);
    }
    return {};
}

bool CostCentreShareModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != PercentageColumn ||
        index.row() >= int(m_shares.size()))
        return false;
    const QString text = value.toString().trimmed();
    const std::optional<Rate> typed =
        text.isEmpty() ? std::optional<Rate>(Rate()) : Rate::parseTyped(text);
    if (!typed || *typed < Rate())
        return false;
    m_shares[size_t(index.row())].percentage = *typed;
    emit dataChanged(index, index);
    emit totalChanged();
    return true;
}

Qt::ItemFlags CostCentreShareModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable && index.column() == PercentageColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant CostCentreShareModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case CodeColumn:
        return QStringLiteral("Código");
    case NameColumn:
        return QStringLiteral("Nombre");
    case PercentageColumn:
        return QStringLiteral("Porcentaje");
    }
    return {};
}
