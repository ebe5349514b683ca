#include "shell/admin/PermissionTreeModel.h"

#include <algorithm>

PermissionTreeModel::PermissionTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
{
    setEntries({});
}

void PermissionTreeModel::setEntries(const std::vector<PermissionEntry> &entries)
{
    beginResetModel();
    m_items.clear();
    m_byKey.clear();
    Item root;
    root.entry.key = RootKey;
    root.entry.caption = RootKey;
    m_items.push_back(root);
    m_byKey.insert(RootKey, 0);
    for (const PermissionEntry &entry : entries) {
        if (entry.key.isEmpty() || m_byKey.contains(entry.key))
            continue;
        Item item;
        item.entry = entry;
        item.parent = m_byKey.value(entry.parent, 0);
        Item &parent = m_items[size_t(item.parent)];
        item.row = int(parent.children.size());
        parent.children.push_back(int(m_items.size()));
        m_byKey.insert(entry.key, int(m_items.size()));
        m_items.push_back(std::move(item));
    }
    // The root stands for the whole tree; it has no stored mark of its own.
    m_items[0].entry.marked = std::any_of(m_items.begin() + 1, m_items.end(),
                                          [](const Item &i) { return i.entry.marked; });
    endResetModel();
}

bool PermissionTreeModel::toggle(const QString &key)
{
    if (!m_editable || !m_byKey.contains(key))
        return false;
    setMarked(key, !isMarked(key));
    return true;
}

bool PermissionTreeModel::toggle(const QModelIndex &index)
{
    return index.isValid() && toggle(index.data(KeyRole).toString());
}

void PermissionTreeModel::setMarked(const QString &key, bool marked)
{
    const auto found = m_byKey.constFind(key);
    if (found == m_byKey.constEnd())
        return;
    std::vector<int> changed;
    markSubtree(*found, marked, changed);
    remarkAncestors(*found, changed);
    announce(changed);
}

void PermissionTreeModel::setItemMark(int item, bool marked, std::vector<int> &changed)
{
    PermissionEntry &entry = m_items[size_t(item)].entry;
    if (entry.marked == marked)
        return;
    entry.marked = marked;
    changed.push_back(item);
}

void PermissionTreeModel::markSubtree(int item, bool marked, std::vector<int> &changed)
{
    setItemMark(item, marked, changed);
    for (int child : m_items[size_t(item)].children)
        markSubtree(child, marked, changed);
}

void PermissionTreeModel::remarkAncestors(int item, std::vector<int> &changed)
{
    for (int up = m_items[size_t(item)].parent; up >= 0; up = m_items[size_t(up)].parent) {
        const std::vector<int> &children = m_items[size_t(up)].children;
        // A menu that holds nothing but separator lines is not worth showing.
        const bool any = std::any_of(children.begin(), children.end(), [this](int c) {
            const PermissionEntry &e = m_items[size_t(c)].entry;
            return e.marked && !e.separator;
        });
        setItemMark(up, any, changed);
        for (int c : children)
            if (m_items[size_t(c)].entry.separator)
                setItemMark(c, any, changed);
    }
}

void PermissionTreeModel::announce(const std::vector<int> &changed)
{
    for (int item : changed) {
        const QModelIndex i = indexOfItem(item);
        emit dataChanged(i, i, {Qt::CheckStateRole});
    }
}

bool PermissionTreeModel::isMarked(const QString &key) const
{
    const auto found = m_byKey.constFind(key);
    return found != m_byKey.constEnd() && m_items[size_t(*found)].entry.marked;
}

QModelIndex PermissionTreeModel::indexOf(const QString &key) const
{
    const auto found = m_byKey.constFind(key);
    return found == m_byKey.constEnd() ? QModelIndex() : indexOfItem(*found);
}

QModelIndex PermissionTreeModel::indexOfItem(int item) const
{
    return createIndex(m_items[size_t(item)].row, 0, quintptr(item));
}

QStringList PermissionTreeModel::markedNodes() const
{
    QStringList nodes;
    for (size_t i = 1; i < m_items.size(); ++i) {
        const PermissionEntry &e = m_items[i].entry;
        if (e.marked && !e.isOperation())
            nodes << e.node;
    }
    return nodes;
}

std::vector<std::pair<QString, int>> PermissionTreeModel::markedOptions() const
{
    std::vector<std::pair<QString, int>> options;
    for (size_t i = 1; i < m_items.size(); ++i) {
        const PermissionEntry &e = m_items[i].entry;
        if (e.marked && e.isOperation())
            options.emplace_back(e.node, e.option);
    }
    return options;
}

QModelIndex PermissionTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? indexOfItem(0) : QModelIndex();
    const std::vector<int> &children = m_items[size_t(parent.internalId())].children;
    if (row >= int(children.size()))
        return {};
    return indexOfItem(children[size_t(row)]);
}

QModelIndex PermissionTreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    const int up = m_items[size_t(child.internalId())].parent;
    return up < 0 ? QModelIndex() : indexOfItem(up);
}

int PermissionTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return 1;
    if (parent.column() != 0)
        return 0;
    return int(m_items[size_t(parent.internalId())].children.size());
}

int PermissionTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant PermissionTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const PermissionEntry &e = m_items[size_t(index.internalId())].entry;
    switch (role) {
    case Qt::DisplayRole:
        return e.separator ? QStringLiteral("──────────") : e.caption;
    case Qt::CheckStateRole:
        return e.marked ? Qt::Checked : Qt::Unchecked;
    case KeyRole:
        return e.key;
    default:
        return {};
    }
}

Qt::ItemFlags PermissionTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Not user-checkable: the window toggles through toggle(), so that a click anywhere on
    // the entry and the spreading rules take the one same path.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
