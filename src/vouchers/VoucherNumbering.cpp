#include "vouchers/VoucherNumbering.h"

#include "calendar/PeriodMonths.h"
#include "platform/Db.h"
#include "platform/Transaction.h"

#include <stdexcept>

namespace VoucherNumbering {

namespace {
// Advances the counter in one statement, so the row lock is taken before the value is read.
std::optional<int> advance(Db &db, const QString &column, const QVariantList &key)
{
    QSqlQuery q = db.run(
        QStringLiteral("UPDATE CORRCOMPROBANTE SET "
                       "%1 = CASE WHEN Continuo = 1 THEN %1 ELSE %1 + 1 END, "
                       "NumeroContinuo = CASE WHEN Continuo = 1 THEN NumeroContinuo + 1 "
                       "ELSE NumeroContinuo END "
                       "WHERE CodigoComprobante = ? AND Empresa = ? AND Matriz = ? AND Ano = ? "
                       "RETURNING CASE WHEN Continuo = 1 THEN NumeroContinuo ELSE %1 END")
            .arg(column),
        key);
    std::optional<int> number;
    if (q.next())
        number = q.value(0).toInt();
    q.finish();
    return number;
}

// The year's row, copied from the previous year's (months at zero) or all zeros. Another
// workstation may create it at the same moment: the key keeps one, the other does nothing.
void createCounterRow(Db &db, const QVariantList &key, int year)
{
    const QString columns =
        QStringLiteral("CodigoComprobante,Empresa,Matriz,Ano,Continuo,NumeroContinuo,") +
        PeriodMonths::ColumnList();
    const int copied = db.exec(
        QStringLiteral("INSERT INTO CORRCOMPROBANTE (%1) "
                       "SELECT CodigoComprobante, Empresa, Matriz, ?, Continuo, NumeroContinuo, "
                       "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 FROM CORRCOMPROBANTE "
                       "WHERE CodigoComprobante = ? AND Empresa = ? AND Matriz = ? AND Ano = ? "
                       "ON CONFLICT DO NOTHING")
            .arg(columns),
        {year, key[0], key[1], key[2], year - 1});
    if (copied > 0)
        return;
    db.exec(QStringLiteral("INSERT INTO CORRCOMPROBANTE (%1) "
                           "VALUES (?, ?, ?, ?, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0) "
                           "ON CONFLICT DO NOTHING")
                .arg(columns),
            {key[0], key[1], key[2], year});
}
} // namespace

int InicializarComprobante(Db &db, const QString &type, const QString &company,
                           const QString &headOffice, int year, int month)
{
    const QString column = PeriodMonths::Column(month);
    if (column.isEmpty())
        throw std::invalid_argument("month out of range");
    const QVariantList key{type, company, headOffice, year};
    Transaction tx(db);
    std::optional<int> number = advance(db, column, key);
    if (!number) {
        createCounterRow(db, key, year);
        number = advance(db, column, key);
    }
    if (!number)
        throw DbError(QStringLiteral("No se pudo obtener el número del comprobante %1").arg(type));
    tx.commit();
    return *number;
}

} // namespace VoucherNumbering
