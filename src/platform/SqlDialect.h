#pragma once

#include "platform/ConnectionSettings.h"
#include "platform/TableDef.h"

#include <QStringList>
#include <memory>

// The few places where SQLite and PostgreSQL need different statement text.
// Everything else is written once, in the SQL both engines share.
class SqlDialect
{
public:
    virtual ~SqlDialect() = default;

    static std::unique_ptr<SqlDialect> create(Engine engine);

    virtual Engine engine() const = 0;
    virtual QString columnType(const ColumnDef &column) const = 0;
    // The server's local date and time as an SQL expression.
    virtual QString currentTimestamp() const = 0;
    // Statement that opens a write transaction.
    virtual QString beginTransaction() const = 0;
    // `dateExpr` plus `daysExpr` days, as a date.
    virtual QString addDays(const QString &dateExpr, const QString &daysExpr) const = 0;
    // The month (1-12) of a date, as an integer expression.
    virtual QString monthOf(const QString &dateExpr) const = 0;
    // Case-insensitive LIKE operator.
    virtual QString likeOperator() const = 0;
    // Row lock on a SELECT; SQLite's immediate transactions already hold the write lock.
    virtual QString forUpdate() const = 0;
    // A statement that, inside a transaction, keeps every other schema creation or migration
    // of the database waiting until that transaction ends. Empty on SQLite, where the write
    // transaction (begun immediately) already does.
    virtual QString schemaLock() const = 0;

    QString quote(const QString &identifier) const;
    // "INSERT ... ON CONFLICT (...) DO UPDATE SET ..." with one "?" per column.
    QString upsert(const QString &table, const QStringList &columns,
                   const QStringList &conflictColumns) const;
    // CREATE TABLE followed by its CREATE INDEX statements.
    QStringList createTable(const TableDef &table) const;
};
