#pragma once

#include <QString>
#include <vector>

// What the main window tells about one of its child windows.
struct ChildWindowState
{
    QString caption;
    int editState = 0; // the window's gEstadoEdicion: 1 adding, 2 modifying ...
};

// What the windows and services may ask of the main window: its caption, the panels of the
// status bar, its company button, opening another navigation node and its child windows.
// Tests supply a recorder.
class ShellHost
{
public:
    virtual ~ShellHost() = default;
    virtual void setCaption(const QString &caption) = 0;
    virtual void setUserPanel(const QString &text) = 0;
    // Opens the window of a navigation node, as choosing it in the menu would.
    virtual void openNode(const QString &nodeCode) = 0;

    // The panel that names the server and database.
    virtual void setServerPanel(const QString &text) { (void)text; }
    // The toolbar's "Empresa" button and its separator.
    virtual void setCompanyButtonVisible(bool visible) { (void)visible; }
    // The open child windows, the active one first.
    virtual std::vector<ChildWindowState> childWindows() const { return {}; }
    // Closes every child window without asking; false when one stayed open.
    virtual bool closeChildWindows() { return true; }
    // Offers the choice of the working company once the caller has finished what it is doing,
    // as the toolbar's "Empresa" does.
    virtual void selectCompany() {}
};
