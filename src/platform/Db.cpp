#include "platform/Db.h"

#include "platform/MigrationRunner.h"

#include <QFile>
#include <QSqlDriver>
#include <QSqlError>
#include <atomic>
#include <fcntl.h>
#include <unistd.h>

namespace {
std::atomic<int> connectionCounter{0};

// The file holds the books of every company: other local users must not read it. SQLite
// gives its -wal and -shm files the mode of the database file.
void createPrivateFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    // Any failure (the file exists, the folder is missing) is left to SQLite to report.
}

// SQLITE_BUSY and SQLITE_LOCKED (with their extended codes); PostgreSQL's lock_not_available.
bool isLockTimeout(Engine engine, const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    if (engine == Engine::Postgres)
        return code == QLatin1String("55P03");
    bool ok = false;
    const int primary = code.toInt(&ok) & 0xff;
    return ok && (primary == 5 || primary == 6);
}
} // namespace

Db::Db(ConnectionSettings settings, QString connectionName, Access access)
    : m_settings(std::move(settings))
    , m_connectionName(std::move(connectionName))
    , m_dialect(SqlDialect::create(m_settings.engine))
    , m_access(access)
{
}

Db::~Db()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen()) {
            if (m_transactionDepth > 0) {
                QSqlQuery q(db);
                q.exec(QStringLiteral("ROLLBACK"));
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

std::unique_ptr<Db> Db::open(const ConnectionSettings &settings, Access access)
{
    const QString name = QStringLiteral("valdoria-%1").arg(++connectionCounter);
    const bool pg = settings.engine == Engine::Postgres;
    const QString driver = pg ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw DbError(
            QStringLiteral("No está instalado el controlador de base de datos %1").arg(driver));

    std::unique_ptr<Db> db(new Db(settings, name, access));
    {
        QSqlDatabase handle = QSqlDatabase::addDatabase(driver, name);
        handle.setDatabaseName(settings.database);
        if (pg) {
            if (!settings.host.isEmpty())
                handle.setHostName(settings.host);
            if (settings.port > 0)
                handle.setPort(settings.port);
            if (!settings.user.isEmpty()) {
                handle.setUserName(settings.user);
                handle.setPassword(settings.password);
            }
            // Whatever is not set here (sslmode, sslrootcert ...) libpq takes from its own
            // environment variables (PGSSLMODE, PGSSLROOTCERT ...).
            QString options = QStringLiteral("connect_timeout=15");
            if (!settings.sslMode.isEmpty())
                options += QStringLiteral(";sslmode=") + settings.sslMode;
            handle.setConnectOptions(options);
        } else {
            QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(settings.lockTimeoutMs);
            if (access == Access::ReadOnly)
                options += QStringLiteral(";QSQLITE_OPEN_READONLY");
            else
                createPrivateFile(settings.database);
            handle.setConnectOptions(options);
        }
        if (!handle.open())
            db->fail(QStringLiteral("No se pudo conectar con la base de datos %1")
                         .arg(settings.describe()),
                     {}, handle.lastError());
    }
    db->configure();
    return db;
}

void Db::checkSqliteFile()
{
    // A damaged file (or one that is no SQLite file at all) is named now, before anything
    // reads or writes it; quick_check reads every page but skips the index cross-checks.
    QSqlQuery query(handle());
    QString problem;
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)"))) {
        problem = query.lastError().databaseText();
        if (problem.isEmpty())
            problem = query.lastError().driverText();
    } else if (!query.next()) {
        problem = query.lastError().databaseText();
    } else if (query.value(0).toString() != QLatin1String("ok")) {
        problem = query.value(0).toString();
    }
    query.finish();
    if (!problem.isEmpty())
        throw DbError(QStringLiteral("El archivo %1 está dañado o no es una base de datos")
                          .arg(m_settings.database),
                      {}, problem.trimmed());
}

void Db::configure()
{
    if (engine() == Engine::Sqlite) {
        exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(m_settings.lockTimeoutMs));
        checkSqliteFile();
        exec(QStringLiteral("PRAGMA foreign_keys = ON"));
        // FULL keeps every committed voucher through a power cut.
        exec(QStringLiteral("PRAGMA synchronous = FULL"));
        // Reports read tens of megabytes of lines: mapped, they are read where they lie
        // instead of copied page by page through the page cache into SQLite's own.
        run(QStringLiteral("PRAGMA mmap_size = 268435456"));
        // WAL lets readers work while another workstation writes. Switching writes to the
        // file, so it is done only on a database that is empty or already ours: a file of
        // another program is left exactly as it was found.
        if (m_access == Access::ReadWrite &&
            (scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")).toInt() == 0 ||
             hasTable(MigrationRunner::versionTable())))
            run(QStringLiteral("PRAGMA journal_mode = WAL"));
    } else {
        // NUMERIC results (SUM of BIGINT) come back as exact text, never as double.
        QSqlDatabase h = handle();
        h.setNumericalPrecisionPolicy(QSql::HighPrecision);
        exec(QStringLiteral("SET client_encoding = 'UTF8'"));
        exec(QStringLiteral("SET datestyle = 'ISO, YMD'"));
        // A statement waiting for a row or table another workstation holds gives up after
        // the same time as on SQLite, instead of waiting for ever.
        exec(QStringLiteral("SET lock_timeout = %1").arg(m_settings.lockTimeoutMs));
        if (m_access == Access::ReadOnly)
            exec(QStringLiteral("SET default_transaction_read_only = on"));
    }
}

QSqlDatabase Db::handle() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void Db::fail(const QString &what, const QString &sql, const QSqlError &error) const
{
    if (isLockTimeout(engine(), error))
        throw DbError(BusyMessage, sql);
    QString engineText = error.databaseText();
    if (engineText.isEmpty())
        engineText = error.driverText();
    throw DbError(what, sql, engineText.trimmed());
}

QSqlQuery Db::run(const QString &sql, const QVariantList &params)
{
    QSqlQuery query(handle());
    query.setForwardOnly(true);
    if (engine() == Engine::Postgres)
        query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (params.isEmpty()) {
        // Nothing to bind. PostgreSQL refuses server-side PREPARE for SET and CREATE
        // DATABASE, so statements without values are sent as they are.
        if (!query.exec(sql))
            fail(QStringLiteral("Error al ejecutar la sentencia"), sql, query.lastError());
        return query;
    }
    if (!query.prepare(sql))
        fail(QStringLiteral("Error al preparar la sentencia"), sql, query.lastError());
    for (int i = 0; i < params.size(); ++i)
        query.bindValue(i, params.at(i));
    if (!query.exec())
        fail(QStringLiteral("Error al ejecutar la sentencia"), sql, query.lastError());
    return query;
}

int Db::exec(const QString &sql, const QVariantList &params)
{
    QSqlQuery query = run(sql, params);
    const int affected = query.numRowsAffected();
    query.finish();
    return affected;
}

QVariant Db::scalar(const QString &sql, const QVariantList &params)
{
    QSqlQuery query = run(sql, params);
    QVariant value;
    if (query.next())
        value = query.value(0);
    query.finish();
    return value;
}

std::vector<QSqlRecord> Db::rows(const QString &sql, const QVariantList &params)
{
    QSqlQuery query = run(sql, params);
    std::vector<QSqlRecord> result;
    while (query.next())
        result.push_back(query.record());
    query.finish();
    return result;
}

bool Db::exists(const QString &sql, const QVariantList &params)
{
    QSqlQuery query = run(sql, params);
    const bool found = query.next();
    query.finish();
    return found;
}

void Db::execScript(const QStringList &statements)
{
    for (const QString &sql : statements) {
        QSqlQuery query(handle());
        if (!query.exec(sql))
            fail(QStringLiteral("Error al ejecutar la sentencia"), sql, query.lastError());
    }
}

QStringList Db::tableNames() const
{
    QStringList names;
    const QStringList tables = handle().tables(QSql::Tables);
    for (const QString &t : tables)
        names << t.toUpper();
    return names;
}

bool Db::hasTable(const QString &name) const
{
    return tableNames().contains(name.toUpper());
}
