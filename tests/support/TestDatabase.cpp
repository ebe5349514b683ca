#include "support/TestDatabase.h"

#include "platform/MigrationRunner.h"
#include "schema/LedgerSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <mutex>

namespace {

std::atomic<int> counter{0};

QString uniqueName(const char *prefix)
{
    return QStringLiteral("%1_%2_%3")
        .arg(QLatin1String(prefix))
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

void migrate(Db &db)
{
    MigrationRunner(db, LedgerMigrations()).migrate();
}

// The schema is built once per test process and copied for each test: a file copy on
// SQLite, CREATE DATABASE ... TEMPLATE on PostgreSQL.
struct SchemaTemplate
{
    std::once_flag once;
    QString sqliteFile;
    QString postgresName;
    std::unique_ptr<QTemporaryDir> dir;

    void drop()
    {
        if (!postgresName.isEmpty()) {
            try {
                auto admin = Db::open(TestDatabase::postgresServer());
                admin->exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(postgresName));
            } catch (...) {
            }
            postgresName.clear();
        }
        dir.reset();
    }

    void build()
    {
        if (TestDatabase::usingPostgres()) {
            postgresName = uniqueName("vtpl");
            {
                auto admin = Db::open(TestDatabase::postgresServer());
                admin->exec(QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0")
                                .arg(postgresName));
            }
            auto db = Db::open(TestDatabase::postgresServer(postgresName));
            migrate(*db);
        } else {
            dir = std::make_unique<QTemporaryDir>();
            sqliteFile = dir->filePath(QStringLiteral("template.sqlite"));
            ConnectionSettings s;
            s.database = sqliteFile;
            auto db = Db::open(s);
            migrate(*db);
            db->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        }
    }
};

SchemaTemplate &templateStore()
{
    static SchemaTemplate t;
    return t;
}

SchemaTemplate &schemaTemplate()
{
    SchemaTemplate &t = templateStore();
    std::call_once(t.once, [&t] { t.build(); });
    return t;
}

} // namespace

void TestDatabase::dropTemplates()
{
    templateStore().drop();
}

bool TestDatabase::usingPostgres()
{
    return !qEnvironmentVariable("VALDORIA_TEST_PG").trimmed().isEmpty();
}

ConnectionSettings TestDatabase::postgresServer(const QString &database)
{
    return ConnectionSettings::fromKeyValues(qEnvironmentVariable("VALDORIA_TEST_PG"), database);
}

TestDatabase::TestDatabase(Content content)
{
    if (usingPostgres()) {
        const QString name = uniqueName("vt");
        auto admin = Db::open(postgresServer());
        if (content == Content::Schema)
            admin->exec(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2")
                            .arg(name, schemaTemplate().postgresName));
        else
            admin->exec(
                QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0").arg(name));
        m_settings = postgresServer(name);
    } else {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings.engine = Engine::Sqlite;
        m_settings.database = m_dir->filePath(QStringLiteral("test.sqlite"));
        if (content == Content::Schema)
            QFile::copy(schemaTemplate().sqliteFile, m_settings.database);
    }
    m_db = Db::open(m_settings);
}

TestDatabase::~TestDatabase()
{
    m_db.reset();
    if (m_settings.engine == Engine::Postgres) {
        try {
            auto admin = Db::open(postgresServer());
            admin->exec(
                QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_settings.database));
        } catch (...) {
        }
    }
}

std::unique_ptr<Db> TestDatabase::openAnother() const
{
    return Db::open(m_settings);
}

void TestDatabase::reopen()
{
    m_db = Db::open(m_settings);
}
