#include "shell/ServerSetup.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/ShellHost.h"
#include "platform/DataFolder.h"
#include "platform/Db.h"
#include "shell/Connector.h"
#include "shell/DatabaseSetup.h"
#include "shell/SessionRegistry.h"
#include "shell/Startup.h"
#include "shell/SystemData.h"

#include <QDir>

ServerSetup::ServerSetup(Session &session, Connector &connector, Prompter &prompter)
    : m_session(session)
    , m_connector(connector)
    , m_prompter(prompter)
{
}

bool ServerSetup::startupMode() const
{
    return m_session.gServidor.isEmpty() || !m_connector.isConnected();
}

ServerConfig ServerSetup::embeddedDefault()
{
    ServerConfig c;
    c.server = ServerConfig::LocalServer;
    c.database = QStringLiteral("valdoria");
    c.authMode = 0;
    return c;
}

QString ServerSetup::configPath() const
{
    return QDir(m_connector.dataFolder()).filePath(ServerConfig::FileName);
}

ServerConfig ServerSetup::initialConfig() const
{
    if (const auto fromFile = ServerConfig::read(configPath()))
        return *fromFile;
    return embeddedDefault();
}

QString ServerSetup::validate(const ServerConfig &config)
{
    if (config.server.trimmed().isEmpty() || config.database.trimmed().isEmpty())
        return QStringLiteral("Debe escribir un nombre de servidor y de base de datos!");
    if (const QString problem = ServerConfig::databaseNameProblem(config.database);
        !problem.isEmpty())
        return problem;
    if (config.authMode != 0 && config.user.trimmed().isEmpty())
        return QStringLiteral("Ingrese el usuario de SQL Server...!");
    return {};
}

ServerSetup::Outcome ServerSetup::accept(const ServerConfig &config,
                                         const std::function<void(const QString &)> &status)
{
    const QString problem = validate(config);
    if (!problem.isEmpty()) {
        m_prompter.warning(problem);
        return Outcome::Invalid;
    }
    return startupMode() ? acceptStartup(config, status) : acceptChange(config, status);
}

bool ServerSetup::saveConfig(const ServerConfig &config)
{
    if (!DataFolder::create(m_connector.dataFolder()) || !config.write(configPath())) {
        m_prompter.error(QStringLiteral("No se pudo escribir el archivo %1.").arg(configPath()));
        return false;
    }
    return true;
}

bool ServerSetup::prepareDatabase()
{
    return DatabaseSetup(*m_connector.connection()).prepare(m_prompter);
}

namespace {
// A PostgreSQL server that answers but lacks the database: offer to create it.
bool offerPostgresDatabase(const ConnectionSettings &settings, Prompter &prompter)
{
    if (settings.engine != Engine::Postgres)
        return false;
    try {
        ConnectionSettings maintenance = settings;
        maintenance.database = QStringLiteral("postgres");
        auto admin = Db::open(maintenance);
        if (admin->exists(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"),
                          {settings.database}))
            return false;
        if (!prompter.question(QStringLiteral("La base de datos %1 no existe en el servidor. "
                                              "¿Desea crearla?")
                                   .arg(settings.database)))
            return false;
        return DatabaseSetup::createPostgresDatabase(settings);
    } catch (const DbError &) {
        return false;
    }
}
} // namespace

ServerSetup::Outcome ServerSetup::acceptStartup(const ServerConfig &config,
                                                const std::function<void(const QString &)> &status)
{
    if (status)
        status(QStringLiteral("Estableciendo conexión con el servidor. Por favor espere..."));
    if (!m_connector.OpenConnection(config)) {
        const QString failure = m_connector.lastError();
        const auto settings = config.toConnectionSettings(m_connector.dataFolder());
        if (!offerPostgresDatabase(settings, m_prompter) || !m_connector.OpenConnection(config)) {
            m_prompter.warning(failure);
            return Outcome::Failed;
        }
    }
    if (!prepareDatabase()) {
        m_connector.CloseConnection();
        return Outcome::Failed;
    }
    m_session.gServidor = config.server;
    m_session.gVersionSQL = config.sqlVersion;
    if (!saveConfig(config))
        return Outcome::Failed;
    return Outcome::Connected;
}

ServerSetup::Outcome ServerSetup::acceptChange(const ServerConfig &config,
                                               const std::function<void(const QString &)> &status)
{
    if (status)
        status(QStringLiteral("Estableciendo conexion con el servidor. Por favor espere..."));
    if (!m_connector.TestConnection(config.server, config.database, qint16(config.authMode),
                                    config.user, config.password)) {
        m_prompter.warning(m_connector.lastError());
        return Outcome::Failed;
    }
    if (!m_prompter.question(QStringLiteral("Desea cambiar la conexión de la base de datos...?")))
        return Outcome::Declined;
    // The open windows work on the old database, so they close before the switch; an edit
    // in progress is the user's to give up, or the change does not happen.
    ShellHost *host = m_session.host;
    if (host && (!Startup::ConfirmPendingEdits(m_prompter, host->childWindows()) ||
                 !host->closeChildWindows()))
        return Outcome::Declined;

    if (m_session.hasCompany()) {
        try {
            SessionRegistry::DeleteSession(m_session.db(), m_session.gEmpresa, m_session.gMatriz,
                                           m_session.gUsuario);
        } catch (const DbError &) {
            // The old server may be gone; its stale row is what the sessions window clears.
        }
    }
    const ServerConfig previous = m_connector.config();
    if (!m_connector.OpenConnection(config)) {
        m_prompter.warning(m_connector.lastError());
        return Outcome::Failed;
    }
    if (!prepareDatabase()) {
        m_connector.OpenConnection(previous);
        return Outcome::Failed;
    }
    if (status)
        status(QStringLiteral("Cambiando configuración...."));
    m_session.gServidor = config.server;
    m_session.gVersionSQL = config.sqlVersion;
    if (!saveConfig(config))
        return Outcome::Failed;
    m_session.clearCompany();
    try {
        SystemData::LoadSystemData(m_session, m_connector.dataFolder());
    } catch (const DbError &e) {
        m_prompter.error(e.userText());
    }
    // The main window starts over as after a login: no company until one is chosen again.
    if (host) {
        host->setCaption(m_session.gDescripcionSistema);
        host->setUserPanel(IdleUserPanel);
        host->setServerPanel(serverPanelText(m_connector));
        host->setCompanyButtonVisible(false);
    }
    return Outcome::Connected;
}

QString ServerSetup::serverPanelText(const Connector &connector)
{
    if (!connector.isConnected())
        return QStringLiteral("Sin conexión");
    return QStringLiteral("Servidor SQL:") + connector.config().serverAndDatabase();
}
