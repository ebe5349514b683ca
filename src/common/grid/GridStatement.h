#pragma once

#include "common/grid/GridColumn.h"

#include <QList>
#include <QString>
#include <QVariantList>
#include <vector>

class SqlDialect;

// One level of a grid's sort order.
struct SortLevel
{
    int column = -1;
    bool descending = false;

    bool operator==(const SortLevel &) const = default;
};

// The statement a grid runs: the caller's statement, narrowed to the rows whose text
// columns start with a typed prefix and put in the order the user chose. The caller's text
// is wrapped, never edited, and the prefix is bound like every other value.
struct GridStatement
{
    QString sql;
    QVariantList params;

    static GridStatement build(const SqlDialect &dialect, const QString &baseSql,
                               const QVariantList &baseParams,
                               const std::vector<GridColumn> &columns, const QString &prefix,
                               const QList<SortLevel> &sort);
    // Counts the rows that `sql` yields.
    static QString countOf(const QString &sql);
};

// The order as the statement states it: each chosen column followed by " " and " ASC" or
// " DESC", joined by ", ". Names are quoted because headers may be any alias.
QString SortText(const SqlDialect &dialect, const std::vector<GridColumn> &columns,
                 const QList<SortLevel> &levels);
