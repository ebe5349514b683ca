#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Engine-neutral description of a table; the dialect turns it into DDL.
enum class ColumnType {
    Code,      // short identifying text, VARCHAR(length)
    Text,      // free text, VARCHAR(length) or unbounded when length is 0
    Integer,   // 32-bit integer
    BigInt,    // 64-bit integer
    Flag,      // 0/1
    Money,     // thousandths, 64-bit integer
    Rate,      // millionths, 64-bit integer
    Date,
    Timestamp,
    Blob,
    AutoKey,   // auto-incremented 64-bit primary key
};

struct ColumnDef
{
    QString name;
    ColumnType type = ColumnType::Text;
    int length = 0;
    bool notNull = false;
    QString defaultValue;  // SQL literal, e.g. "0" or "'*'"
};

struct ForeignKeyDef
{
    QStringList columns;
    QString table;
    QStringList referenced;
    bool cascadeUpdate = false;
    bool cascadeDelete = false;
};

struct TableDef
{
    explicit TableDef(QString tableName) : name(std::move(tableName)) {}

    // Builder helpers keep the schema listing short. Flags, money and counters default to 0.
    TableDef &code(const QString &col, int length, bool notNull = true);
    TableDef &text(const QString &col, int length = 0, bool notNull = false);
    TableDef &integer(const QString &col, bool notNull = true, const QString &def = "0");
    TableDef &bigint(const QString &col, bool notNull = true, const QString &def = "0");
    TableDef &flag(const QString &col, const QString &def = "0");
    TableDef &money(const QString &col);
    TableDef &rate(const QString &col);
    TableDef &date(const QString &col, bool notNull = false);
    TableDef &timestamp(const QString &col, bool notNull = false);
    TableDef &blob(const QString &col);
    TableDef &autoKey(const QString &col);
    TableDef &withDefault(const QString &def);  // sets the default of the last column

    TableDef &primaryKey(const QStringList &cols);
    TableDef &unique(const QStringList &cols);
    TableDef &index(const QStringList &cols);
    TableDef &foreignKey(const QStringList &cols, const QString &table, const QStringList &refs,
                         bool cascadeUpdate = false, bool cascadeDelete = false);

    QString name;
    std::vector<ColumnDef> columns;
    QStringList primaryKeyColumns;
    std::vector<QStringList> uniqueKeys;
    std::vector<QStringList> indexes;
    std::vector<ForeignKeyDef> foreignKeys;
};
