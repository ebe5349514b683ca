#include "shell/Connector.h"

#include "common/Session.h"
#include "platform/Db.h"

Connector::Connector(Session &session, QString dataFolder)
    : m_session(session)
    , m_dataFolder(std::move(dataFolder))
{
}

Connector::~Connector()
{
    CloseConnection();
}

ServerConfig Connector::makeConfig(const QString &database, const QString &server, qint16 authMode,
                                   const QString &user, const QString &password)
{
    ServerConfig c;
    c.database = database;
    c.server = server;
    c.authMode = authMode;
    c.user = user;
    c.password = password;
    return c;
}

bool Connector::OpenConnection(const QString &database, const QString &server, qint16 authMode,
                               const QString &user, const QString &password)
{
    return OpenConnection(makeConfig(database, server, authMode, user, password));
}

bool Connector::OpenConnection(const ServerConfig &config)
{
    if (const QString problem = ServerConfig::databaseNameProblem(config.database);
        !problem.isEmpty()) {
        m_lastError = problem;
        return false;
    }
    try {
        auto db = Db::open(config.toConnectionSettings(m_dataFolder));
        m_db = std::move(db);
        m_config = config;
        m_session.gConexion = m_db.get();
        m_session.gCadenaConexion = m_db->settings().describe();
        m_lastError.clear();
        return true;
    } catch (const DbError &e) {
        m_lastError = e.userText();
        return false;
    }
}

bool Connector::TestConnection(const QString &server, const QString &database, qint16 authMode,
                               const QString &user, const QString &password)
{
    const ServerConfig c = makeConfig(database, server, authMode, user, password);
    if (const QString problem = ServerConfig::databaseNameProblem(c.database); !problem.isEmpty()) {
        m_lastError = problem;
        return false;
    }
    try {
        auto probe = Db::open(c.toConnectionSettings(m_dataFolder));
        probe->scalar(QStringLiteral("SELECT 1"));
        m_lastError.clear();
        return true;
    } catch (const DbError &e) {
        m_lastError = e.userText();
        return false;
    }
}

void Connector::CloseConnection()
{
    if (m_session.gConexion == m_db.get())
        m_session.gConexion = nullptr;
    m_db.reset();
}
