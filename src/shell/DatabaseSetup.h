#pragma once

#include "platform/ConnectionSettings.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

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
        Empty,   // no tables at all: a new database
        Foreign, // tables of another program and no Valdoria schema: never touched
        Older,   // written by an earlier version: will be upgraded
        Current,
        Newer, // written by a later version: refused
    };

    enum class Creation {
        Created, // the database was empty and now holds schema, seed rows, administrator
        Rebuilt, // it held a database that `rebuildable` accepted; that was replaced
        Exists,  // it was not empty (maybe created a moment ago elsewhere): untouched
    };

    explicit DatabaseSetup(Db &db);

    State state() const;
    int schemaVersion() const;
    static int latestVersion();
    // Names of the tables this program's schema has (upper-case), the version table included.
    static QStringList ownTables();

    // Creates, in one transaction, the schema, its seed rows and the administrator (with a
    // hash made beforehand), then `fill`'s rows. Whether the database is new is decided inside
    // that transaction, after taking the lock that every other creation and migration of the
    // same database takes: of two workstations creating it at the same moment, one creates it
    // and the other finds it existing. `rebuildable` may accept an existing Valdoria database
    // to be dropped whole and built again. Throws DbError.
    Creation create(const QString &administratorHash, const std::function<void(Db &)> &fill = {},
                    const std::function<bool(Db &)> &rebuildable = {});

    // Upgrades an existing schema. Throws DbError (also for a newer database).
    int migrate();
    // True when no active user belongs to "SISTEMAS": the database still needs its administrator.
    bool needsAdministrator() const;
    // Adds a user in group "SISTEMAS" whose password is stored as a hash. Never changes an
    // existing user: a code already in use throws DbError, as does any other failure.
    void createAdministrator(const QString &password, const QString &code = AdministratorCode,
                             const QString &name = AdministratorName);

    // Interactive preparation: upgrade, or creation with the administrator's password asked
    // through `prompter`. Returns false (having told the user) when it cannot go on.
    bool prepare(Prompter &prompter);

    // Why the database cannot be used for `state`, in the words valdoria-cli and the windows
    // show; empty for Empty, Older and Current.
    QString refusal(State state, const QString &where) const;

    // Opens the named PostgreSQL database, creating it first (through the server's maintenance
    // database) only when it does not exist. `created` says whether this call created it; of
    // two callers at the same moment one creates it and the other opens it. Throws DbError.
    static std::unique_ptr<Db> openOrCreatePostgres(const ConnectionSettings &settings,
                                                    bool *created = nullptr);
    // Creates the PostgreSQL database when it does not exist; true when this call created
    // it. Another creation of the same name at the same moment counts as existing.
    static bool createPostgresDatabase(const ConnectionSettings &settings);

private:
    std::optional<QString> askAdministratorPassword(Prompter &prompter);
    bool addFirstAdministrator(const QString &hash);
    void insertAdministrator(const QString &hash, const QString &code, const QString &name);
    void lockSchema();
    void dropAllTables();

    Db &m_db;
};
