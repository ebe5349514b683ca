#include "shell/admin/CompanyAssignmentModel.h"

CompanyAssignmentModel::CompanyAssignmentModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

const QStringList &CompanyAssignmentModel::Headers()
{
    static const QStringList headers{QStringLiteral("Codigo"), QStringLiteral("Nombre")};
    return headers;
}

void CompanyAssignmentModel::setCompanies(std::vector<CompanyUserAssignment::Company> companies)
{
    beginResetModel();
    m_rows = std::move(companies);
    endResetModel();
}

void CompanyAssignmentModel::setEditable(bool editable)
{
    if (m_editable == editable)
        return;
    m_editable = editable;
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

void CompanyAssignmentModel::setAllAssigned(bool assigned)
{
    if (!m_editable || m_rows.empty())
        return;
    for (auto &row : m_rows)
        row.assigned = assigned;
    emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

int CompanyAssignmentModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CompanyAssignmentModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(Headers().size());
}

QVariant CompanyAssignmentModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const auto &row = m_rows[size_t(index.row())];
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? row.codigo : row.caption();
    if (role == Qt::CheckStateRole && index.column() == 0)
        return row.assigned ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool CompanyAssignmentModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_editable || !index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    m_rows[size_t(index.row())].assigned = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags CompanyAssignmentModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0 && m_editable)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant CompanyAssignmentModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Headers().value(section);
    return {};
}
