#pragma once

#include "common/ShellHost.h"

#include <QString>
#include <vector>

class Connector;
class Prompter;
struct Session;

// The start-up steps that need no window.
namespace Startup {

enum class FileConnection {
    NoFile, // srvsql.txt does not exist: the configuration window takes over
    Connected,
    Failed, // the file exists but its server did not answer
};

// Reads srvsql.txt from the connector's data folder and opens the shared connection.
// Sets gServidor and gVersionSQL from the file in every case where it exists.
FileConnection ConnectFromFile(Session &session, Connector &connector);

// Text of the question asked before closing over a child window in the middle of an edit
// (edit state 1 adding, 2 modifying); empty when no question is needed.
QString PendingEditQuestion(int editState, const QString &caption);

// Asks about every child window in the middle of an edit, each by its caption, whichever
// is active; false as soon as the user answers No (nothing is to be closed then).
bool ConfirmPendingEdits(Prompter &prompter, const std::vector<ChildWindowState> &windows);

// The closing questions of the main window; true when the user confirms leaving.
bool ConfirmExit(Session &session, Prompter &prompter,
                 const std::vector<ChildWindowState> &windows);

// Deletes the workstation's session row and releases the connection. Never throws.
void ReleaseSession(Session &session, Connector &connector);

} // namespace Startup
