#pragma once

#include "common/Session.h"
#include "common/ui/MessageBoxPrompter.h"
#include "platform/SettingsStore.h"
#include "app/WindowRegistry.h"
#include "shell/Connector.h"

#include <memory>

class WorkstationReportOutput;
class frmPrincipal;

// Owns what lives for the whole run: the session, its connection, the settings and the
// prompter, and the main window.
class Application
{
public:
    Application();
    ~Application();

    // The start procedure: one copy per user, splash, connection, main window.
    // Returns the process exit code once the main window has closed.
    int Main();
    // Work on the demo database instead of the workstation's configuration; it is created,
    // with its credentials shown, the first time.
    void setDemo(bool demo) { m_demo = demo; }

private:
    bool ConnectToServer();
    bool ConnectToDemo();
    bool showServerConfiguration();

    QString m_dataFolder;
    bool m_demo = false;
    Session m_session;
    SettingsStore m_settings;
    MessageBoxPrompter m_prompter;
    Connector m_connector;
    WindowRegistry m_windows;
    std::unique_ptr<frmPrincipal> m_main;
    std::unique_ptr<WorkstationReportOutput> m_reports;
};
