#include "demo/DemoRows.h"

#include "platform/Db.h"

#include <algorithm>

namespace DemoRows {

void Insert(Db &db, const QString &table, const QStringList &columns,
            const std::vector<QVariantList> &rows)
{
    const size_t perStatement = std::max<size_t>(1, 400 / size_t(columns.size()));
    const QString tuple = QLatin1Char('(') +
                          QStringList(columns.size(), QStringLiteral("?")).join(',') +
                          QLatin1Char(')');
    for (size_t first = 0; first < rows.size(); first += perStatement) {
        const size_t last = std::min(rows.size(), first + perStatement);
        QStringList tuples;
        QVariantList params;
        for (size_t i = first; i < last; ++i) {
            tuples << tuple;
            params += rows[i];
        }
        db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                    .arg(table, columns.join(','), tuples.join(',')),
                params);
    }
}

} // namespace DemoRows
