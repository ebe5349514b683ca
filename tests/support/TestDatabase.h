#pragma once

#include "platform/ConnectionSettings.h"
#include "platform/Db.h"

#include <QString>
#include <memory>

class QTemporaryDir;

// A fresh database for one test, on SQLite or, when VALDORIA_TEST_PG names a server
// ("host=/tmp/dir port=5433 user=postgres"), on PostgreSQL. Dropped when the object dies.
class TestDatabase
{
public:
    enum class Content { Empty, Schema };

    explicit TestDatabase(Content content = Content::Schema);
    ~TestDatabase();

    static bool usingPostgres();
    // Removes the per-process schema template; the test main calls it at the end.
    static void dropTemplates();
    // Settings of the PostgreSQL test server with `database` filled in (empty when none).
    static ConnectionSettings postgresServer(const QString &database = QStringLiteral("postgres"));

    Db &db() { return *m_db; }
    const ConnectionSettings &settings() const { return m_settings; }
    // A second connection to the same database, as another workstation would have.
    std::unique_ptr<Db> openAnother() const;
    // Closes the main connection (to test reopening).
    void close() { m_db.reset(); }
    void reopen();

private:
    ConnectionSettings m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Db> m_db;
};
