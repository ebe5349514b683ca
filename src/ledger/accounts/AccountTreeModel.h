#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>
#include <memory>
#include <vector>

class Db;

// The chart as a tree: the root "CUENTAS CONTABLES" and every account under its parent's
// node, children in code order. Built from one statement, so that a chart of thousands of
// accounts opens at once; kept up to date node by node after saves and deletes.
class AccountTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Role {
        KeyRole = Qt::UserRole + 1, // "Raiz", or "C" + code
        CodeRole,                   // the account's code; empty for the root
        ImageRole,                  // "Maestra" (summary) or "Detalle" (detail)
        LevelRole,                  // 0 for the root
    };
    static inline const QString RootKey = QStringLiteral("Raiz");
    static inline const QString RootText = QStringLiteral("CUENTAS CONTABLES");
    static inline const QString SummaryImage = QStringLiteral("Maestra");
    static inline const QString DetailImage = QStringLiteral("Detalle");

    explicit AccountTreeModel(QObject *parent = nullptr);
    ~AccountTreeModel() override;

    // Reads the whole chart again. Throws DbError.
    void load(Db &db);
    // Pictures for the root and for the keys "Maestra" and "Detalle".
    void setImages(const QIcon &root, const QIcon &summary, const QIcon &detail);

    QModelIndex rootIndex() const;
    // The node of an account; invalid when the chart has no such code.
    QModelIndex indexOf(const QString &code) const;
    int accountCount() const { return int(m_nodes.size()) - 1; }

    // Adds the account's node under its parent (the root when the parent is not in the
    // tree), or updates its text and picture when it is there already.
    void upsert(const QString &code, const QString &name, const QString &parentCode, int level,
                bool summary);
    // Removes a node that has no children; false otherwise.
    bool remove(const QString &code);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Node
    {
        QString code;
        QString name;
        int level = 0;
        bool summary = false;
        Node *parent = nullptr;
        std::vector<Node *> children;
        int row = 0; // position under the parent
    };

    Node *nodeOf(const QModelIndex &index) const;
    QModelIndex indexOf(const Node *node) const;
    Node *create(const QString &code, const QString &name, int level, bool summary);
    static void renumber(Node *parent, size_t from);

    std::vector<std::unique_ptr<Node>> m_nodes; // m_nodes[0] is the root
    QHash<QString, Node *> m_byCode;
    QIcon m_rootIcon, m_summaryIcon, m_detailIcon;
};
