#pragma once

#include <QString>

// What the windows and services may ask of the main window: its caption, the user-and-period
// panel of the status bar, and opening another navigation node. Tests supply a recorder.
class ShellHost
{
public:
    virtual ~ShellHost() = default;
    virtual void setCaption(const QString &caption) = 0;
    virtual void setUserPanel(const QString &text) = 0;
    // Opens the window of a navigation node, as choosing it in the menu would.
    virtual void openNode(const QString &nodeCode) = 0;
};
