#include "platform/SqlDialect.h"

#include <QCryptographicHash>

namespace {

class SqliteDialect final : public SqlDialect
{
public:
    Engine engine() const override { return Engine::Sqlite; }

    QString columnType(const ColumnDef &c) const override
    {
        switch (c.type) {
        case ColumnType::Code:
        case ColumnType::Text:
            return c.length > 0 ? QStringLiteral("VARCHAR(%1)").arg(c.length)
                                : QStringLiteral("TEXT");
        case ColumnType::Integer:
        case ColumnType::BigInt:
        case ColumnType::Flag:
        case ColumnType::Money:
        case ColumnType::Rate:
            return QStringLiteral("INTEGER");
        case ColumnType::Date:
        case ColumnType::Timestamp:
            return QStringLiteral("TEXT");
        case ColumnType::Blob:
            return QStringLiteral("BLOB");
        case ColumnType::AutoKey:
            return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
        }
        return QStringLiteral("TEXT");
    }

    QString currentTimestamp() const override
    {
        return QStringLiteral("strftime('%Y-%m-%dT%H:%M:%S','now','localtime')");
    }
    QString beginTransaction() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    QString addDays(const QString &dateExpr, const QString &daysExpr) const override
    {
        return QStringLiteral("date(%1, (%2) || ' days')").arg(dateExpr, daysExpr);
    }
    QString monthOf(const QString &dateExpr) const override
    {
        return QStringLiteral("CAST(strftime('%m', %1) AS INTEGER)").arg(dateExpr);
    }
    QString likeOperator() const override { return QStringLiteral("LIKE"); }
    QString forUpdate() const override { return {}; }
    QString schemaLock() const override { return {}; }
};

class PostgresDialect final : public SqlDialect
{
public:
    Engine engine() const override { return Engine::Postgres; }

    QString columnType(const ColumnDef &c) const override
    {
        switch (c.type) {
        case ColumnType::Code:
        case ColumnType::Text:
            return c.length > 0 ? QStringLiteral("VARCHAR(%1)").arg(c.length)
                                : QStringLiteral("TEXT");
        case ColumnType::Integer:
        case ColumnType::Flag:
            return QStringLiteral("INTEGER");
        case ColumnType::BigInt:
        case ColumnType::Money:
        case ColumnType::Rate:
            return QStringLiteral("BIGINT");
        case ColumnType::Date:
            return QStringLiteral("DATE");
        case ColumnType::Timestamp:
            return QStringLiteral("TIMESTAMP(0)");
        case ColumnType::Blob:
            return QStringLiteral("BYTEA");
        case ColumnType::AutoKey:
            return QStringLiteral("BIGSERIAL PRIMARY KEY");
        }
        return QStringLiteral("TEXT");
    }

    QString currentTimestamp() const override { return QStringLiteral("LOCALTIMESTAMP(0)"); }
    QString beginTransaction() const override { return QStringLiteral("BEGIN"); }
    QString addDays(const QString &dateExpr, const QString &daysExpr) const override
    {
        return QStringLiteral("(CAST(%1 AS DATE) + CAST(%2 AS INTEGER))").arg(dateExpr, daysExpr);
    }
    QString monthOf(const QString &dateExpr) const override
    {
        return QStringLiteral("CAST(EXTRACT(MONTH FROM %1) AS INTEGER)").arg(dateExpr);
    }
    QString likeOperator() const override { return QStringLiteral("ILIKE"); }
    QString forUpdate() const override { return QStringLiteral(" FOR UPDATE"); }
    // An advisory lock that ends with the transaction; the key is Valdoria's own ("VALD").
    QString schemaLock() const override
    {
        return QStringLiteral("SELECT pg_advisory_xact_lock(1447119940)");
    }
};

} // namespace

std::unique_ptr<SqlDialect> SqlDialect::create(Engine engine)
{
    if (engine == Engine::Postgres)
        return std::make_unique<PostgresDialect>();
    return std::make_unique<SqliteDialect>();
}

QString SqlDialect::quote(const QString &identifier) const
{
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString SqlDialect::upsert(const QString &table, const QStringList &columns,
                           const QStringList &conflictColumns) const
{
    QStringList marks, updates;
    for (const QString &c : columns) {
        marks << QStringLiteral("?");
        if (!conflictColumns.contains(c))
            updates << c + QStringLiteral(" = excluded.") + c;
    }
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (%4) ")
                      .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')),
                           conflictColumns.join(QLatin1Char(',')));
    if (updates.isEmpty())
        return sql + QStringLiteral("DO NOTHING");
    return sql + QStringLiteral("DO UPDATE SET ") + updates.join(QStringLiteral(", "));
}

QStringList SqlDialect::createTable(const TableDef &table) const
{
    QStringList parts;
    for (const ColumnDef &c : table.columns) {
        QString line = c.name + QLatin1Char(' ') + columnType(c);
        if (c.type != ColumnType::AutoKey) {
            if (c.notNull)
                line += QStringLiteral(" NOT NULL");
            if (!c.defaultValue.isEmpty())
                line += QStringLiteral(" DEFAULT ") + c.defaultValue;
        }
        parts << line;
    }
    if (!table.primaryKeyColumns.isEmpty())
        parts << QStringLiteral("PRIMARY KEY (%1)").arg(table.primaryKeyColumns.join(','));
    for (const QStringList &u : table.uniqueKeys)
        parts << QStringLiteral("UNIQUE (%1)").arg(u.join(','));
    for (const ForeignKeyDef &fk : table.foreignKeys) {
        QString line = QStringLiteral("FOREIGN KEY (%1) REFERENCES %2 (%3)")
                           .arg(fk.columns.join(','), fk.table, fk.referenced.join(','));
        if (fk.cascadeUpdate)
            line += QStringLiteral(" ON UPDATE CASCADE");
        if (fk.cascadeDelete)
            line += QStringLiteral(" ON DELETE CASCADE");
        parts << line;
    }

    QStringList statements;
    statements << QStringLiteral("CREATE TABLE %1 (\n    %2\n)")
                      .arg(table.name, parts.join(QStringLiteral(",\n    ")));
    for (const QStringList &ix : table.indexes) {
        QString indexName = QStringLiteral("IX_%1_%2").arg(table.name, ix.join('_'));
        // PostgreSQL cuts names at 63 characters, with a notice each time; a long name keeps
        // its beginning and a digest of the whole, so it stays distinct and quiet.
        if (indexName.size() > 63)
            indexName = indexName.left(54) + QLatin1Char('_') +
                        QString::fromLatin1(
                            QCryptographicHash::hash(indexName.toUtf8(), QCryptographicHash::Md5)
                                .toHex()
                                .left(8));
        statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                          .arg(indexName, table.name, ix.join(','));
    }
    return statements;
}
