#include "common/grid/CodeQueries.h"

#include "platform/Db.h"

#include <QRegularExpression>
#include <stdexcept>

namespace {
void requireIdentifier(const QString &name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(name).hasMatch())
        throw std::invalid_argument("not an identifier: " + name.toStdString());
}
} // namespace

qint64 NextCode(Db &db, const QString &table, const QString &column)
{
    requireIdentifier(table);
    requireIdentifier(column);
    const QString sql = QStringLiteral("SELECT MAX(") + column + QStringLiteral(") FROM ") + table;
    const QVariant maximum = db.scalar(sql);
    if (maximum.isNull())
        return 1;
    bool ok = false;
    const qint64 value = maximum.toString().trimmed().toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("El valor máximo de %1.%2 no es un número").arg(table, column),
                      sql);
    return value + 1;
}

int AccountDigits(Db &db)
{
    return db.scalar(QStringLiteral("SELECT CantDigCuenta FROM PARAMETRO")).toInt();
}
