#include "platform/TableDef.h"

TableDef &TableDef::code(const QString &col, int length, bool notNull)
{
    columns.push_back({col, ColumnType::Code, length, notNull, {}});
    return *this;
}

TableDef &TableDef::text(const QString &col, int length, bool notNull)
{
    columns.push_back({col, ColumnType::Text, length, notNull, {}});
    return *this;
}

TableDef &TableDef::integer(const QString &col, bool notNull, const QString &def)
{
    columns.push_back({col, ColumnType::Integer, 0, notNull, def});
    return *this;
}

TableDef &TableDef::bigint(const QString &col, bool notNull, const QString &def)
{
    columns.push_back({col, ColumnType::BigInt, 0, notNull, def});
    return *this;
}

TableDef &TableDef::flag(const QString &col, const QString &def)
{
    columns.push_back({col, ColumnType::Flag, 0, true, def});
    return *this;
}

TableDef &TableDef::money(const QString &col)
{
    columns.push_back({col, ColumnType::Money, 0, true, QStringLiteral("0")});
    return *this;
}

TableDef &TableDef::rate(const QString &col)
{
    columns.push_back({col, ColumnType::Rate, 0, true, QStringLiteral("0")});
    return *this;
}

TableDef &TableDef::date(const QString &col, bool notNull)
{
    columns.push_back({col, ColumnType::Date, 0, notNull, {}});
    return *this;
}

TableDef &TableDef::timestamp(const QString &col, bool notNull)
{
    columns.push_back({col, ColumnType::Timestamp, 0, notNull, {}});
    return *this;
}

TableDef &TableDef::blob(const QString &col)
{
    columns.push_back({col, ColumnType::Blob, 0, false, {}});
    return *this;
}

TableDef &TableDef::autoKey(const QString &col)
{
    columns.push_back({col, ColumnType::AutoKey, 0, true, {}});
    return *this;
}

TableDef &TableDef::withDefault(const QString &def)
{
    if (!columns.empty())
        columns.back().defaultValue = def;
    return *this;
}

TableDef &TableDef::primaryKey(const QStringList &cols)
{
    primaryKeyColumns = cols;
    return *this;
}

TableDef &TableDef::unique(const QStringList &cols)
{
    uniqueKeys.push_back(cols);
    return *this;
}

TableDef &TableDef::index(const QStringList &cols)
{
    indexes.push_back(cols);
    return *this;
}

TableDef &TableDef::foreignKey(const QStringList &cols, const QString &table,
                               const QStringList &refs, bool cascadeUpdate, bool cascadeDelete)
{
    foreignKeys.push_back({cols, table, refs, cascadeUpdate, cascadeDelete});
    return *this;
}
