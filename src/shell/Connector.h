#pragma once

#include "shell/ServerConfig.h"

#include <QString>
#include <memory>

class Db;
struct Session;

// Owns the workstation's one shared connection and keeps the session pointing at it.
class Connector
{
public:
    Connector(Session &session, QString dataFolder);
    ~Connector();

    // Opens a connection with these values; on success it becomes the session's shared
    // connection (replacing any previous one) and true is returned. On failure the previous
    // connection is kept and lastError() says why.
    bool OpenConnection(const QString &database, const QString &server, qint16 authMode,
                        const QString &user, const QString &password);
    bool OpenConnection(const ServerConfig &config);
    // Opens and closes a separate connection; the shared one is not touched.
    bool TestConnection(const QString &server, const QString &database, qint16 authMode,
                        const QString &user, const QString &password);
    // Releases the shared connection.
    void CloseConnection();

    bool isConnected() const { return m_db != nullptr; }
    Db *connection() const { return m_db.get(); }
    const ServerConfig &config() const { return m_config; }
    const QString &lastError() const { return m_lastError; }
    const QString &dataFolder() const { return m_dataFolder; }

private:
    static ServerConfig makeConfig(const QString &database, const QString &server,
                                   qint16 authMode, const QString &user,
                                   const QString &password);

    Session &m_session;
    QString m_dataFolder;
    std::unique_ptr<Db> m_db;
    ServerConfig m_config;
    QString m_lastError;
};
