#pragma once

#include "platform/ConnectionSettings.h"
#include "platform/DbError.h"
#include "platform/SqlDialect.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <memory>
#include <vector>

// One database connection (SQLite or PostgreSQL). Every statement is prepared and every
// value bound; failures throw DbError carrying the statement and the engine's message.
// A Db belongs to the thread that opened it.
class Db
{
public:
    ~Db();
    Db(const Db &) = delete;
    Db &operator=(const Db &) = delete;

    enum class Access {
        ReadWrite, // a missing SQLite file is created, readable by its owner only
        ReadOnly,  // nothing in the database can change, not even its journal mode
    };

    // Text of the error a statement gives when another connection held its lock for longer
    // than the settings' lock timeout; the same on both engines.
    static inline const QString BusyMessage =
        QStringLiteral("La base de datos está ocupada por otra estación y no se liberó a tiempo. "
                       "Intente de nuevo en un momento.");

    // Opens the connection or throws DbError. A SQLite file is checked for damage first;
    // only a database that is empty or already Valdoria's is switched to WAL.
    static std::unique_ptr<Db> open(const ConnectionSettings &settings,
                                    Access access = Access::ReadWrite);

    Engine engine() const { return m_settings.engine; }
    Access access() const { return m_access; }
    const SqlDialect &dialect() const { return *m_dialect; }
    const ConnectionSettings &settings() const { return m_settings; }

    // Prepares, binds in order and executes; the query is positioned before the first row.
    QSqlQuery run(const QString &sql, const QVariantList &params = {});
    // Runs a statement that returns no rows; gives the number of rows affected.
    int exec(const QString &sql, const QVariantList &params = {});
    // First column of the first row, or a null QVariant when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &params = {});
    // Every row, fully read.
    std::vector<QSqlRecord> rows(const QString &sql, const QVariantList &params = {});
    bool exists(const QString &sql, const QVariantList &params = {});
    // Runs statements that take no values (DDL), one by one.
    void execScript(const QStringList &statements);

    bool inTransaction() const { return m_transactionDepth > 0; }
    // Names of the tables of the database, upper-cased.
    QStringList tableNames() const;
    bool hasTable(const QString &name) const;

    QSqlDatabase handle() const;

private:
    friend class Transaction;
    Db(ConnectionSettings settings, QString connectionName, Access access);
    void configure();
    void checkSqliteFile();
    [[noreturn]] void fail(const QString &what, const QString &sql, const QSqlError &error) const;

    ConnectionSettings m_settings;
    QString m_connectionName;
    std::unique_ptr<SqlDialect> m_dialect;
    Access m_access;
    int m_transactionDepth = 0;
};
