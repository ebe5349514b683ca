#pragma once

#include "platform/ConnectionSettings.h"

#include <QString>

class Db;
class Prompter;

// Makes a database ready for work: the schema of this program version and a first
// administrator. Used by the start-up windows and by valdoria-cli.
class DatabaseSetup
{
public:
    static inline const QString AdministratorCode = QStringLiteral("ADMIN");
    static inline const QString AdministratorName = QStringLiteral("ADMINISTRADOR");

    enum class State {
        Empty,        // no schema yet
        Older,        // written by an earlier version: will be upgraded
        Current,
        Newer,        // written by a later version: refused
    };

    explicit DatabaseSetup(Db &db);

    State state() const;
    int schemaVersion() const;
    static int latestVersion();

    // Creates or upgrades the schema. Throws DbError (also for a newer database).
    int migrate();
    // True when no user belongs to "SISTEMAS": the database still needs its administrator.
    bool needsAdministrator() const;
    // Adds a user in group "SISTEMAS" whose password is stored as a hash. Throws DbError.
    void createAdministrator(const QString &password, const QString &code = AdministratorCode,
                             const QString &name = AdministratorName);

    // Interactive preparation: upgrade, or creation with the administrator's password asked
    // through `prompter`. Returns false (having told the user) when it cannot go on.
    bool prepare(Prompter &prompter);

    // Creates a PostgreSQL database on the server when it does not exist (through the
    // server's maintenance database). Returns true when it was created. Throws DbError.
    static bool createPostgresDatabase(const ConnectionSettings &settings);

private:
    bool askAdministratorPassword(Prompter &prompter);

    Db &m_db;
};
