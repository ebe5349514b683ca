#pragma once

#include <QString>
#include <optional>
#include <vector>

class Db;
struct Session;

// The menu a user sees, worked out from the navigation tree (SEG) and his groups' rights
// (GRUPOSEG): a node is usable when any of his groups may see it.
namespace NavigationMenu {

struct Entry
{
    QString code;
    QString caption;
    QString parent;     // "" for a top-level menu
    QString form;       // the window class a function opens
    int level = 1;
    int image = 0;
    bool enabled = true;
    bool separator = false;
    bool container = false;
};

// Parents always come before their children. A top-level node the user may not use is left
// out with everything below it; a deeper one is shown disabled.
std::vector<Entry> Build(Db &db, const QString &user);

// gModoOpcion for the windows that serve several entries, from the entry's caption.
std::optional<qint8> OptionModeFor(const QString &caption);

// The message that stops opening a node, or empty when a company and a period are chosen.
QString OpenRefusal(const Session &session);

// The window class a function node opens; empty when the node is not a function.
QString FormOf(Db &db, const QString &nodeCode);

} // namespace NavigationMenu
