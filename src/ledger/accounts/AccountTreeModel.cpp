#include "ledger/accounts/AccountTreeModel.h"

#include "platform/Db.h"

#include <algorithm>

AccountTreeModel::AccountTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
{
    m_nodes.push_back(std::make_unique<Node>());
}

AccountTreeModel::~AccountTreeModel() = default;

AccountTreeModel::Node *AccountTreeModel::create(const QString &code, const QString &name,
                                                 int level, bool summary)
{
    m_nodes.push_back(std::make_unique<Node>());
    Node *n = m_nodes.back().get();
    n->code = code;
    n->name = name;
    n->level = level;
    n->summary = summary;
    m_byCode.insert(code, n);
    return n;
}

void AccountTreeModel::renumber(Node *parent, size_t from)
{
    for (size_t i = from; i < parent->children.size(); ++i)
        parent->children[i]->row = int(i);
}

void AccountTreeModel::load(Db &db)
{
    const auto rows = db.rows(QStringLiteral("SELECT Codigo, Nombre, CodigoPadre, Nivel, EsPadre "
                                             "FROM CUENTACONTABLE ORDER BY Nivel, Codigo"));
    beginResetModel();
    m_nodes.resize(1);
    m_nodes.front()->children.clear();
    m_byCode.clear();
    m_byCode.reserve(qsizetype(rows.size()));
    m_nodes.reserve(rows.size() + 1);
    std::vector<QString> parents;
    parents.reserve(rows.size());
    for (const QSqlRecord &r : rows) {
        create(r.value(0).toString(), r.value(1).toString(), r.value(3).toInt(),
               r.value(4).toInt() != 0);
        parents.push_back(r.value(2).toString());
    }
    // Attached once all are read, so a parent listed after its child still holds it.
    Node *root = m_nodes.front().get();
    for (size_t i = 0; i < parents.size(); ++i) {
        Node *n = m_nodes[i + 1].get();
        Node *p = m_byCode.value(parents[i], root);
        if (p == n)
            p = root;
        n->parent = p;
        p->children.push_back(n);
    }
    for (const auto &n : m_nodes) {
        std::sort(n->children.begin(), n->children.end(),
                  [](const Node *a, const Node *b) { return a->code < b->code; });
        renumber(n.get(), 0);
    }
    endResetModel();
}

void AccountTreeModel::setImages(const QIcon &root, const QIcon &summary, const QIcon &detail)
{
    m_rootIcon = root;
    m_summaryIcon = summary;
    m_detailIcon = detail;
}

QModelIndex AccountTreeModel::rootIndex() const
{
    return createIndex(0, 0, m_nodes.front().get());
}

QModelIndex AccountTreeModel::indexOf(const QString &code) const
{
    const Node *n = m_byCode.value(code);
    return n ? indexOf(n) : QModelIndex();
}

QModelIndex AccountTreeModel::indexOf(const Node *node) const
{
    return createIndex(node->row, 0, const_cast<Node *>(node));
}

void AccountTreeModel::upsert(const QString &code, const QString &name, const QString &parentCode,
                              int level, bool summary)
{
    if (Node *n = m_byCode.value(code)) {
        n->name = name;
        n->summary = summary;
        const QModelIndex i = indexOf(n);
        emit dataChanged(i, i);
        return;
    }
    Node *parent = m_byCode.value(parentCode, m_nodes.front().get());
    auto &siblings = parent->children;
    const auto at = std::lower_bound(siblings.begin(), siblings.end(), code,
                                     [](const Node *s, const QString &c) { return s->code < c; });
    const int row = int(at - siblings.begin());
    beginInsertRows(indexOf(parent), row, row);
    Node *n = create(code, name, level, summary);
    n->parent = parent;
    siblings.insert(siblings.begin() + row, n);
    renumber(parent, size_t(row));
    endInsertRows();
}

bool AccountTreeModel::remove(const QString &code)
{
    Node *n = m_byCode.value(code);
    if (!n || !n->children.empty())
        return false;
    Node *parent = n->parent;
    beginRemoveRows(indexOf(parent), n->row, n->row);
    parent->children.erase(parent->children.begin() + n->row);
    renumber(parent, size_t(n->row));
    m_byCode.remove(code);
    const auto owned =
        std::find_if(m_nodes.begin(), m_nodes.end(), [n](const auto &p) { return p.get() == n; });
    m_nodes.erase(owned);
    endRemoveRows();
    return true;
}

AccountTreeModel::Node *AccountTreeModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : nullptr;
}

QModelIndex AccountTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? rootIndex() : QModelIndex();
    const Node *p = nodeOf(parent);
    if (size_t(row) >= p->children.size())
        return {};
    return createIndex(row, 0, p->children[size_t(row)]);
}

QModelIndex AccountTreeModel::parent(const QModelIndex &child) const
{
    const Node *n = nodeOf(child);
    if (!n || !n->parent)
        return {};
    return indexOf(n->parent);
}

int AccountTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return 1;
    if (parent.column() != 0)
        return 0;
    return int(nodeOf(parent)->children.size());
}

int AccountTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant AccountTreeModel::data(const QModelIndex &index, int role) const
{
    const Node *n = nodeOf(index);
    if (!n)
        return {};
    const bool isRoot = n->parent == nullptr;
    switch (role) {
    case Qt::DisplayRole:
        return isRoot ? RootText : n->code + QStringLiteral(" - ") + n->name;
    case Qt::DecorationRole:
        return isRoot ? m_rootIcon : n->summary ? m_summaryIcon : m_detailIcon;
    case KeyRole:
        return isRoot ? RootKey : QStringLiteral("C") + n->code;
    case CodeRole:
        return n->code;
    case ImageRole:
        return isRoot ? QVariant() : n->summary ? SummaryImage : DetailImage;
    case LevelRole:
        return n->level;
    default:
        return {};
    }
}

Qt::ItemFlags AccountTreeModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
