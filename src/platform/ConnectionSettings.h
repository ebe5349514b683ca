#pragma once

#include <QString>

enum class Engine { Sqlite, Postgres };

// Where a database lives and how to log in to it. For SQLite only `database` (the file) counts.
struct ConnectionSettings
{
    Engine engine = Engine::Sqlite;
    QString database; // SQLite: path of the file; PostgreSQL: database name
    QString host;     // PostgreSQL: host name, address or socket directory
    int port = 0;     // 0 = the engine's default
    QString user;     // empty = the operating system's login (peer authentication)
    QString password;
    QString sslMode; // PostgreSQL: libpq's sslmode; empty = libpq's default or PGSSLMODE
    // How long a statement waits for a lock another connection holds before it gives up.
    int lockTimeoutMs = 15000;

    // A PostgreSQL server written as "host=/tmp/dir port=5433 user=postgres" (the form the
    // test and benchmark environment variables use), on database `database`.
    static ConnectionSettings fromKeyValues(const QString &text,
                                            const QString &database = QStringLiteral("postgres"));

    // A description safe for status bars and logs: never contains the password.
    QString describe() const;
};
