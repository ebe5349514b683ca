// The approval of a work area: the part of the posting service that moves REGISTRO and
// CONSOLIDACION lines into the books.
#include "vouchers/VoucherPosting.h"

#include "common/Prompter.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "vouchers/VoucherNumbering.h"

namespace {

// The columns a posted line takes from its work-area row, in the order of both lists.
const QString BodyColumns = QStringLiteral(
    "Linea, Cuenta, Fecha, TipoDocumento, Documento, Documento2, Documento3, Tercero, "
    "CentroCosto, ValorDebito, ValorCredito, Descripcion, GrupoLinea, Serial, TipoMovActivo, "
    "TRM, DebitoUS, CreditoUS, FechaCreacion");

QDate dateOf(const QVariant &v)
{
    return v.typeId() == QMetaType::QDate ? v.toDate()
                                          : QDate::fromString(v.toString().left(10), Qt::ISODate);
}

} // namespace

ApprovalOutcome VoucherPosting::approve(const WorkAreaToApprove &area, Prompter &prompter)
{
    using Status = ApprovalOutcome::Status;
    ApprovalOutcome outcome;
    const QVariantList key{area.user, area.company, area.headOffice};
    const auto header = m_db.rows(
        QStringLiteral("SELECT TipoComprobante, MAX(NumeroComprobante), SUM(ValorDebito), "
                       "SUM(ValorCredito), MIN(Fecha), MAX(Fecha) FROM REGISTRO "
                       "WHERE Usuario = ? AND Empresa = ? AND Matriz = ? "
                       "GROUP BY TipoComprobante"),
        key);
    if (header.empty())
        return outcome;
    const QSqlRecord &h = header.front();
    outcome.type = h.value(0).toString().trimmed();
    outcome.number = h.value(1).toString().trimmed();
    // Exact at the two decimals the totals show.
    if (header.size() > 1 ||
        !Money::fromSql(h.value(2)).equalToCent(Money::fromSql(h.value(3)))) {
        prompter.warning(UnbalancedText);
        outcome.status = Status::Unbalanced;
        return outcome;
    }
    const QDate first = dateOf(h.value(4));
    if (first.year() != dateOf(h.value(5)).year() || first.month() != dateOf(h.value(5)).month()) {
        prompter.warning(TwoMonthsText);
        outcome.status = Status::Unbalanced;
        return outcome;
    }
    const QVariantList generatedKey{area.company, area.headOffice, area.user};
    const auto unbalanced = m_db.rows(
        QStringLiteral("SELECT Empresa FROM CONSOLIDACION WHERE EmpresaC = ? AND MatrizC = ? "
                       "AND Usuario = ? GROUP BY Empresa "
                       "HAVING SUM(ValorDebito) - SUM(ValorCredito) <> 0 ORDER BY Empresa"),
        generatedKey);
    if (!unbalanced.empty()) {
        outcome.company = unbalanced.front().value(0).toString().trimmed();
        prompter.warning(WorkAreaApproval::ConsolidationText + outcome.company +
                         WorkAreaApproval::ConsolidationTail);
        outcome.status = Status::ConsolidationUnbalanced;
        return outcome;
    }
    if (!prompter.question(WorkAreaApproval::AskText)) {
        outcome.status = Status::Declined;
        return outcome;
    }

    const bool numbered = !outcome.number.isEmpty();
    const QDate monthStart(first.year(), first.month(), 1);
    const QDate nextMonth = monthStart.addMonths(1);
    try {
        Transaction tx(m_db);
        outcome.period = PeriodService(m_db).status(area.company, area.headOffice, first, area.user);
        if (outcome.period != PeriodService::Status::Open) {
            prompter.warning(PeriodText);
            outcome.status = Status::PeriodRefused;
            return outcome;
        }
        if (outcome.number.isEmpty()) {
            outcome.number = QString::number(VoucherNumbering::InicializarComprobante(
                m_db, outcome.type, area.company, area.headOffice, first.year(), first.month()));
        } else {
            // The voucher taken out replaces its posted lines, and the lines it generated.
            m_db.exec(QStringLiteral("DELETE FROM MOVIMIENTO WHERE Empresa = ? AND Matriz = ? "
                                     "AND Fecha >= ? AND Fecha < ? AND TipoComprobante = ? "
                                     "AND NumeroComprobante = ?"),
                      {area.company, area.headOffice, monthStart, nextMonth, outcome.type,
                       outcome.number});
            m_db.exec(QStringLiteral("DELETE FROM MOVIMIENTO WHERE EmpresaConsolidacion = ? "
                                     "AND Matriz = ? AND Fecha >= ? AND Fecha < ? "
                                     "AND TipoComprobanteConsolidacion = ? "
                                     "AND NumeroComprobanteConsolidacion = ?"),
                      {area.company, area.headOffice, monthStart, nextMonth, outcome.type,
                       outcome.number});
        }
        // The books record the creator of the voucher, not its last editor.
        m_db.exec(QStringLiteral("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, "
                                 "NumeroComprobante, Usuario, %1, PorcentajeImpuesto, "
                                 "PorcentajeImpuesto2, EmpresaConsolidacion, "
                                 "TipoComprobanteConsolidacion, NumeroComprobanteConsolidacion, "
                                 "LineaPertenece, Tipo, Conciliado, ConceptoRetencion, Fechadoc) "
                                 "SELECT Empresa, Matriz, TipoComprobante, ?, "
                                 "COALESCE(NULLIF(UsuarioCreador, ''), Usuario), %1, "
                                 "CASE WHEN Cuenta IN (?, ?) THEN ? ELSE PorcentajeImpuesto END, "
                                 "PorcentajeImpuesto2, '0', '0', '0', 0, 0, "
                                 "COALESCE(Conciliado, 0), ConceptoRetencion, Fechadoc "
                                 "FROM REGISTRO WHERE Usuario = ? AND Empresa = ? AND Matriz = ?")
                      .arg(BodyColumns),
                  QVariantList{outcome.number, QStringLiteral("210815"), QStringLiteral("240816"),
                               Rate::fromInteger(10).toSql()} +
                      key);
        m_db.exec(QStringLiteral("DELETE FROM REGISTRO WHERE Usuario = ? AND Empresa = ? "
                                 "AND Matriz = ?"),
                  key);

        // The lines generated for other companies become their vouchers, linked to this one.
        const auto receivers = m_db.rows(
            QStringLiteral("SELECT Empresa, Matriz, TipoComprobante, MAX(NumeroComprobante) "
                           "FROM CONSOLIDACION WHERE EmpresaC = ? AND MatrizC = ? AND Usuario = ? "
                           "GROUP BY Empresa, Matriz, TipoComprobante"),
            generatedKey);
        for (const QSqlRecord &r : receivers) {
            const QString company = r.value(0).toString().trimmed();
            const QString headOffice = r.value(1).toString().trimmed();
            const QString type = r.value(2).toString().trimmed();
            QString number = r.value(3).toString().trimmed();
            if (number.isEmpty())
                number = QString::number(VoucherNumbering::InicializarComprobante(
                    m_db, type, company, headOffice, first.year(), first.month()));
            const QVariantList receiver{company, headOffice, type};
            m_db.exec(
                QStringLiteral("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, "
                               "NumeroComprobante, Usuario, %1, PorcentajeImpuesto, "
                               "PorcentajeImpuesto2, EmpresaConsolidacion, "
                               "TipoComprobanteConsolidacion, NumeroComprobanteConsolidacion, "
                               "LineaPertenece, Tipo, Conciliado, ConceptoRetencion, Fechadoc) "
                               "SELECT Empresa, Matriz, TipoComprobante, ?, ?, %1, "
                               "PorcentajeImpuesto, PorcentajeImpuesto2, ?, ?, ?, LineaPertenece, "
                               "Tipo, COALESCE(Conciliado, 0), ConceptoRetencion, Fechadoc "
                               "FROM CONSOLIDACION WHERE EmpresaC = ? AND MatrizC = ? "
                               "AND Usuario = ? AND Empresa = ? AND Matriz = ? "
                               "AND TipoComprobante = ?")
                    .arg(BodyColumns),
                QVariantList{number, area.user, area.company, outcome.type, outcome.number} +
                    generatedKey + receiver);
            m_db.exec(QStringLiteral("DELETE FROM CONSOLIDACION WHERE EmpresaC = ? AND MatrizC = ? "
                                     "AND Usuario = ? AND Empresa = ? AND Matriz = ? "
                                     "AND TipoComprobante = ?"),
                      generatedKey + receiver);
        }
        logApproval(VoucherToPost{area.company, area.headOffice, outcome.type, area.user, {}},
                    outcome.number);
        tx.commit();
    } catch (const DbError &) {
        // Rolled back: a new voucher did not keep the number it was about to take.
        if (!numbered)
            outcome.number.clear();
        prompter.error(WorkAreaApproval::FailedText);
        outcome.status = Status::Failed;
        return outcome;
    }
    outcome.status = Status::Approved;
    return outcome;
}
