#pragma once

#include "platform/ConnectionSettings.h"

#include <QString>
#include <QStringList>
#include <optional>

// The contents of srvsql.txt: which database the workstation works on and how it logs in.
//   1 database name          4 login name (empty with the operating system's login)
//   2 server ("(local)")     5 password, scrambled
//   3 1 = login and password, anything else = the operating system's login
//   6 "SQL2000"/"SQL2005" (empty counts as "SQL2005")   7 empty
struct ServerConfig
{
    static inline const QString FileName = QStringLiteral("srvsql.txt");
    static inline const QString LocalServer = QStringLiteral("(local)");

    QString database;
    QString server;
    int authMode = 0;
    QString user;
    QString password; // in clear, in memory only
    QString sqlVersion = QStringLiteral("SQL2005");

    static ServerConfig fromLines(const QStringList &lines);
    // nullopt when the file does not exist.
    static std::optional<ServerConfig> read(const QString &path);
    QStringList toLines() const;
    bool write(const QString &path) const;

    // Why `name` cannot name a database, or empty when it can. The embedded database is the
    // file <name>.sqlite of the data folder: a name must not lead out of it.
    static QString databaseNameProblem(const QString &name);

    // The embedded database: server "(local)" or empty.
    bool isEmbedded() const;
    // SQLite file <database>.sqlite in `dataFolder`, or the PostgreSQL server: host,
    // host:port, or a socket directory.
    ConnectionSettings toConnectionSettings(const QString &dataFolder) const;
    // "Servidor SQL:" text of the status bar: server and database, never the password.
    QString serverAndDatabase() const;
};
