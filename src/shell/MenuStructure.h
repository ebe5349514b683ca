#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct Session;

// Maintenance of the navigation tree (SEG) and the operations each function offers
// (OPCIONESMENU). Only members of "SISTEMAS" may change it; the service checks it itself.
class MenuStructure
{
public:
    static inline const QString Root = QStringLiteral("Orvan");
    enum class Kind { Container, Function, Separator };

    struct Node
    {
        QString code;
        QString caption;
        QString parent;
        int level = 1;
        int order = 1;
        int number = 0;
        int image = 0;
        QString form;
        bool container = false;
    };

    struct NodeInput
    {
        QString code;
        QString caption;
        int image = 0;
        QString form;
        Kind kind = Kind::Function;
        QStringList options;  // operation names offered by a function
    };

    explicit MenuStructure(Session &session);

    std::vector<Node> nodes() const;
    std::optional<Node> node(const QString &code) const;
    QStringList optionsOf(const QString &code) const;
    QStringList allOptions() const;

    // Each returns true when the change was made; refusals are told through the prompter.
    bool addNode(const QString &parent, NodeInput input);
    bool modifyNode(NodeInput input);
    bool deleteNode(const QString &code);
    bool moveUp(const QString &code) { return swapWithSibling(code, -1); }
    bool moveDown(const QString &code) { return swapWithSibling(code, +1); }
    // Moves a node with its subtree under another container (asks first).
    bool moveTo(const QString &code, const QString &container);

private:
    bool mayChange() const;
    bool validate(NodeInput &input) const;
    void writeOptions(const QString &code, const NodeInput &input);
    bool swapWithSibling(const QString &code, int step);
    void shiftLevels(const QString &code, int delta);

    Session &m_session;
};
