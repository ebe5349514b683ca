#pragma once

#include "platform/Migration.h"

#include <functional>
#include <vector>

class Db;

// Brings a database to the newest schema the program knows, one migration per transaction.
// A database written by a newer program is refused, never touched.
class MigrationRunner
{
public:
    MigrationRunner(Db &db, std::vector<Migration> migrations);

    static QString versionTable() { return QStringLiteral("VALDORIA_ESQUEMA"); }

    // Version recorded in the database; 0 for an empty database.
    int currentVersion() const;
    int latestVersion() const;
    bool needsUpgrade() const { return currentVersion() < latestVersion(); }

    // Applies every pending migration; returns how many ran. Throws DbError.
    int migrate(const std::function<void(const Migration &)> &onStep = {});

private:
    void ensureVersionTable();

    Db &m_db;
    std::vector<Migration> m_migrations;
};
