#include "common/grid/GridStatement.h"

#include "platform/SqlDialect.h"

namespace {
const QString Alias = QStringLiteral(" AS catalogo");

// A statement ready to stand inside parentheses: a closing ";" would end it early.
QString nested(QString sql)
{
    sql = sql.trimmed();
    while (sql.endsWith(QLatin1Char(';')))
        sql = sql.chopped(1).trimmed();
    return QLatin1Char('(') + sql + QLatin1Char(')') + Alias;
}
} // namespace

QString SortText(const SqlDialect &dialect, const std::vector<GridColumn> &columns,
                 const QList<SortLevel> &levels)
{
    QString text;
    for (const SortLevel &level : levels) {
        if (level.column < 0 || level.column >= int(columns.size()))
            continue;
        text += dialect.quote(columns[level.column].name) + QLatin1Char(' ') +
                (level.descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC")) +
                QStringLiteral(", ");
    }
    text.chop(2);
    return text;
}

GridStatement GridStatement::build(const SqlDialect &dialect, const QString &baseSql,
                                   const QVariantList &baseParams,
                                   const std::vector<GridColumn> &columns, const QString &prefix,
                                   const QList<SortLevel> &sort)
{
    GridStatement statement{baseSql, baseParams};
    QStringList conditions;
    if (!prefix.isEmpty()) {
        // What the user types is matched as typed: "%" and "_" are characters like the rest.
        QString typed = prefix;
        typed.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('%'), QStringLiteral("\\%"))
            .replace(QLatin1Char('_'), QStringLiteral("\\_"));
        // The code (first column) and every shown text column: the user types the start of
        // a code or of a name.
        for (int i = 0; i < int(columns.size()); ++i) {
            const GridColumn &c = columns[i];
            if (c.hidden || c.status || (i > 0 && c.kind != FieldKind::Text))
                continue;
            QString expr = dialect.quote(c.name);
            if (c.kind != FieldKind::Text)
                expr = QStringLiteral("CAST(%1 AS VARCHAR(40))").arg(expr);
            conditions << expr + QLatin1Char(' ') + dialect.likeOperator() +
                              QStringLiteral(" ? ESCAPE '\\'");
            statement.params << QVariant(typed + QLatin1Char('%'));
        }
    }
    const QString order = SortText(dialect, columns, sort);
    if (conditions.isEmpty() && order.isEmpty())
        return statement;
    // Without an ORDER BY of its own the outer query keeps the order of the inner one, on
    // both engines: the filter reads the sorted rows in turn.
    statement.sql = QStringLiteral("SELECT * FROM ") + nested(baseSql);
    if (!conditions.isEmpty())
        statement.sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" OR "));
    if (!order.isEmpty())
        statement.sql += QStringLiteral(" ORDER BY ") + order;
    return statement;
}

QString GridStatement::countOf(const QString &sql)
{
    return QStringLiteral("SELECT COUNT(*) FROM ") + nested(sql);
}
