#pragma once

#include "shell/admin/PermissionEntry.h"

#include <QAbstractItemModel>
#include <QHash>
#include <utility>
#include <vector>

// The permission tree of the group window under a root entry "Raiz". Toggling an entry (only
// while editing) gives its whole subtree the same mark and then re-marks its ancestors: a
// parent is marked while any of its children is, so a granted operation always comes with a
// visible menu path. Separator lines follow the menu they sit in.
class PermissionTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    static inline const QString RootKey = QStringLiteral("Raiz");
    static constexpr int KeyRole = Qt::UserRole;

    explicit PermissionTreeModel(QObject *parent = nullptr);

    // Entries must name their parent before their children; an entry whose parent is
    // unknown hangs from the root.
    void setEntries(const std::vector<PermissionEntry> &entries);
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }

    // What a click on an entry does; false (and nothing changes) while not editing.
    bool toggle(const QString &key);
    bool toggle(const QModelIndex &index);
    // Marks or unmarks an entry with the same spreading as a click, editing or not.
    void setMarked(const QString &key, bool marked);
    void setAllMarked(bool marked) { setMarked(RootKey, marked); }

    bool contains(const QString &key) const { return m_byKey.contains(key); }
    bool isMarked(const QString &key) const;
    QModelIndex indexOf(const QString &key) const;
    // Marked navigation nodes, and marked operations as (node, option) pairs, in tree order.
    QStringList markedNodes() const;
    std::vector<std::pair<QString, int>> markedOptions() const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Item
    {
        PermissionEntry entry;
        int parent = -1;
        int row = 0;
        std::vector<int> children;
    };

    void markSubtree(int item, bool marked, std::vector<int> &changed);
    void remarkAncestors(int item, std::vector<int> &changed);
    void setItemMark(int item, bool marked, std::vector<int> &changed);
    void announce(const std::vector<int> &changed);
    QModelIndex indexOfItem(int item) const;

    std::vector<Item> m_items; // the root is item 0
    QHash<QString, int> m_byKey;
    bool m_editable = false;
};
