#include "platform/Db.h"

#include <QSqlDriver>
#include <QSqlError>
#include <atomic>

namespace {
std::atomic<int> connectionCounter{0};
constexpr int busyTimeoutMs = 15000;
} // namespace

Db::Db(ConnectionSettings settings, QString connectionName)
    : m_settings(std::move(settings))
    , m_connectionName(std::move(connectionName))
    , m_dialect(SqlDialect::create(m_settings.engine))
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

std::unique_ptr<Db> Db::open(const ConnectionSettings &settings)
{
    const QString name = QStringLiteral("valdoria-%1").arg(++connectionCounter);
    const bool pg = settings.engine == Engine::Postgres;
    const QString driver = pg ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw DbError(QStringLiteral("No está instalado el controlador de base de datos %1")
                          .arg(driver));

    std::unique_ptr<Db> db(new Db(settings, name));
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
            handle.setConnectOptions(QStringLiteral("connect_timeout=15"));
        } else {
            handle.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        }
        if (!handle.open())
            db->fail(QStringLiteral("No se pudo conectar con la base de datos %1")
                         .arg(settings.describe()),
                     {}, handle.lastError());
    }
    db->configure();
    return db;
}

void Db::configure()
{
    if (engine() == Engine::Sqlite) {
        // WAL lets readers work while another workstation writes; FULL keeps every
        // committed voucher through a power cut.
        run(QStringLiteral("PRAGMA journal_mode = WAL"));
        exec(QStringLiteral("PRAGMA synchronous = FULL"));
        exec(QStringLiteral("PRAGMA foreign_keys = ON"));
        exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeoutMs));
    } else {
        // NUMERIC results (SUM of BIGINT) come back as exact text, never as double.
        QSqlDatabase h = handle();
        h.setNumericalPrecisionPolicy(QSql::HighPrecision);
        exec(QStringLiteral("SET client_encoding = 'UTF8'"));
        exec(QStringLiteral("SET datestyle = 'ISO, YMD'"));
    }
}

QSqlDatabase Db::handle() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void Db::fail(const QString &what, const QString &sql, const QSqlError &error) const
{
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
