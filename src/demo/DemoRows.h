#pragma once

#include <QStringList>
#include <QVariantList>
#include <vector>

class Db;

namespace DemoRows {
// Inserts `rows` into `table`, many rows per statement: the demo writes a few thousand rows
// and one round trip each would make a PostgreSQL demo slow to create.
void Insert(Db &db, const QString &table, const QStringList &columns,
            const std::vector<QVariantList> &rows);
} // namespace DemoRows
