#pragma once

#include "shell/ServerConfig.h"

#include <QString>
#include <functional>

class Connector;
class Prompter;
struct Session;

// What the server configuration window does when accepted, without the window.
class ServerSetup
{
public:
    enum class Outcome {
        Invalid,   // a field is missing; the user was told which
        Failed,    // could not connect; nothing changed
        Declined,  // the user chose not to change the connection
        Connected, // the connection is open and srvsql.txt written
    };

    // What the main window's user panel says while nobody works in a company.
    static inline const QString IdleUserPanel = QStringLiteral("Linea de Mensajes");

    ServerSetup(Session &session, Connector &connector, Prompter &prompter);

    // The window is in start-up mode when the workstation has no working connection yet.
    bool startupMode() const;
    // What the window shows on a first start: the embedded database.
    static ServerConfig embeddedDefault();
    // The configuration the window opens with: the file's when present, else the default.
    ServerConfig initialConfig() const;

    // Checks the fields in the window's order; returns the message of the first failure.
    static QString validate(const ServerConfig &config);

    // Start-up mode: open the connection, write srvsql.txt, prepare the database.
    // Change mode: test, ask (also about child windows in the middle of an edit), close the
    // child windows, switch the shared connection, write srvsql.txt and leave the main window
    // without a company, showing the new server.
    // `status` receives the texts the window shows while it works.
    Outcome accept(const ServerConfig &config, const std::function<void(const QString &)> &status);

    QString configPath() const;
    // The status panel that names the server and database of the shared connection.
    static QString serverPanelText(const Connector &connector);

private:
    Outcome acceptStartup(const ServerConfig &config,
                          const std::function<void(const QString &)> &status);
    Outcome acceptChange(const ServerConfig &config,
                         const std::function<void(const QString &)> &status);
    bool saveConfig(const ServerConfig &config);
    bool prepareDatabase();

    Session &m_session;
    Connector &m_connector;
    Prompter &m_prompter;
};
