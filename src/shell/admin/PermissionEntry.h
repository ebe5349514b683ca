#pragma once

#include <QString>

// One entry of a group's permission tree: a navigation node, or an operation that a function
// node offers on its toolbar.
struct PermissionEntry
{
    QString key;     // the node's code, or node + "$" + operation code
    QString parent;  // key of the entry above; empty for the top-level menus
    QString caption; // NomNodo, or the operation's name
    QString node;    // CodNodo
    int option = 0;  // CodigoOpcion; 0 for a node
    bool separator = false;
    bool marked = false; // granted ("Sel") or not ("UnSel")

    bool isOperation() const { return option != 0; }
    static QString OperationKey(const QString &node, int option)
    {
        return node + QLatin1Char('$') + QString::number(option);
    }
};
