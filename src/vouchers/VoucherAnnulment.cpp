#include "vouchers/VoucherAnnulment.h"

#include "calendar/PeriodService.h"
#include "common/Prompter.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "platform/Workstation.h"
#include "vouchers/VoucherPosting.h"

#include <QDate>
#include <QDateTime>

namespace VoucherAnnulment {

namespace {

// Zeroes the lines matched by `where` (with `values`) in the month, under `user`.
int zero(Db &db, const QString &where, const QVariantList &values, const QString &user)
{
    return db.exec(QStringLiteral("UPDATE MOVIMIENTO SET ValorCredito = 0, ValorDebito = 0, "
                                  "Usuario = ? WHERE %1")
                       .arg(where),
                   QVariantList{user} + values);
}

void log(Db &db, const Request &r)
{
    db.exec(QStringLiteral("INSERT INTO BITACORAMODIFICACIONMOVIMIENTO (Empresa, Matriz, Ano, Mes, "
                           "TipoComprobante, NumeroComprobante, Usuario, FechaModificacion, "
                           "DireccionIP, NombreEquipo) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {r.company, r.headOffice, r.year, r.month, r.type, r.number, r.user,
             QDateTime::currentDateTime(), Workstation::LocalIpAddress(),
             Workstation::LocalHostName()});
}

} // namespace

QString typeCatalog()
{
    return QStringLiteral("SELECT Codigo, Nombre, AjustePorInflacion AS \"~HDN1\", "
                          "Depreciacion AS \"~HDN2\", AjusteDifCambio AS \"~HDN3\" "
                          "FROM COMPROBANTE WHERE Codigo <> '999' ORDER BY Codigo");
}

QString numberCatalog()
{
    return QStringLiteral("SELECT TipoComprobante, NumeroComprobante, "
                          "SUM(ValorDebito) AS TotalDebito, SUM(ValorCredito) AS TotalCredito, "
                          "MAX(TipoMovActivo) AS \"~HDN1\" FROM MOVIMIENTO "
                          "WHERE TipoComprobante = ? AND Fecha >= ? AND Fecha < ? "
                          "AND Empresa = ? AND Matriz = ? AND EmpresaConsolidacion = '0' "
                          "GROUP BY TipoComprobante, NumeroComprobante "
                          "HAVING SUM(ValorDebito) > 0 AND SUM(ValorCredito) > 0 "
                          "ORDER BY CAST(NumeroComprobante AS BIGINT)");
}

Result annul(Db &db, Prompter &prompter, const Request &r)
{
    if (r.type.trimmed().isEmpty()) {
        prompter.warning(SelectType);
        return Result::Refused;
    }
    if (r.number.trimmed().isEmpty()) {
        prompter.warning(SelectNumber);
        return Result::Refused;
    }
    const QDate first(r.year, r.month, 1);
    const QDate next = first.addMonths(1);
    if (db.exists(QStringLiteral("SELECT 1 FROM CONTROLAJUSTE WHERE Empresa = ? AND Matriz = ? "
                                 "AND Mes = ? AND Ano = ? AND TipoAjuste = 'IPC'"),
                  {r.company, r.headOffice, next.month(), next.year()})) {
        prompter.warning(NextMonthAdjusted);
        return Result::Refused;
    }
    const QString voucher = QStringLiteral("Empresa = ? AND Matriz = ? AND Fecha >= ? AND "
                                           "Fecha < ? AND TipoComprobante = ? AND "
                                           "NumeroComprobante = ?");
    const QVariantList key{r.company, r.headOffice, first, next, r.type, r.number};
    const auto facts = db.rows(QStringLiteral("SELECT MAX(TipoMovActivo), "
                                              "MAX(CASE WHEN EmpresaConsolidacion <> '0' THEN 1 "
                                              "ELSE 0 END), MAX(CASE WHEN Usuario = '-' THEN 1 "
                                              "ELSE 0 END) FROM MOVIMIENTO WHERE %1")
                                   .arg(voucher),
                               key);
    const int largestAssetMovement = facts.front().value(0).toInt();
    if (facts.front().value(2).toInt() == 1) {
        prompter.warning(BeingModified);
        return Result::Refused;
    }
    const auto flags = db.rows(QStringLiteral("SELECT AjustePorInflacion, Depreciacion FROM "
                                              "COMPROBANTE WHERE Codigo = ?"),
                               {r.type});
    const bool inflation = !flags.empty() && flags.front().value(0).toInt() == 1;
    const bool depreciation = !flags.empty() && flags.front().value(1).toInt() == 1 &&
                              largestAssetMovement == 4;
    const bool adjustment = inflation || depreciation;
    const QString generatedWhere =
        QStringLiteral("EmpresaConsolidacion = ? AND Matriz = ? AND Fecha >= ? AND Fecha < ? "
                       "AND TipoComprobanteConsolidacion = ? AND NumeroComprobanteConsolidacion = ?");
    bool withGenerated = false;
    if (!adjustment) {
        if (facts.front().value(1).toInt() == 1) {
            prompter.warning(Generated);
            return Result::Refused;
        }
        withGenerated = db.exists(
            QStringLiteral("SELECT 1 FROM MOVIMIENTO WHERE %1").arg(generatedWhere), key);
    }
    const QString question = adjustment ? AskAdjustment : withGenerated ? AskWithGenerated : Ask;
    if (!prompter.question(question, Title, false))
        return Result::Declined;

    try {
        Transaction tx(db);
        if (PeriodService(db).status(r.company, r.headOffice, first, r.user) !=
            PeriodService::Status::Open) {
            prompter.warning(VoucherPosting::PeriodText);
            return Result::Refused;
        }
        const int changed = zero(db, voucher, key, r.user);
        if (changed == 0) {
            prompter.warning(NotFound);
            return Result::NotFound;
        }
        if (withGenerated)
            zero(db, generatedWhere, key, r.user);
        if (adjustment) {
            // The month's other adjustment voucher goes too, and its record of the run.
            const QString otherFlag = inflation ? QStringLiteral("Depreciacion")
                                                : QStringLiteral("AjustePorInflacion");
            zero(db,
                 QStringLiteral("Empresa = ? AND Matriz = ? AND Fecha >= ? AND Fecha < ? AND "
                                "TipoDocumento = ? AND TipoComprobante IN (SELECT Codigo FROM "
                                "COMPROBANTE WHERE %1 = 1)")
                     .arg(otherFlag),
                 {r.company, r.headOffice, first, next,
                  inflation ? QStringLiteral("DP") : QStringLiteral("AJ")},
                 r.user);
            db.exec(QStringLiteral("DELETE FROM MOVAJUSTEDEPRECACTIVOFIJO WHERE Empresa = ? AND "
                                   "Matriz = ? AND Fecha >= ? AND Fecha < ?"),
                    {r.company, r.headOffice, first, next});
            db.exec(QStringLiteral("DELETE FROM CONTROLAJUSTE WHERE Empresa = ? AND Matriz = ? "
                                   "AND Mes = ? AND Ano = ? AND TipoAjuste = 'IPC'"),
                    {r.company, r.headOffice, r.month, r.year});
        }
        log(db, r);
        tx.commit();
    } catch (const DbError &e) {
        prompter.error(e.userText());
        return Result::Refused;
    }
    prompter.info(withGenerated ? DoneWithGenerated : Done);
    return Result::Annulled;
}

} // namespace VoucherAnnulment
