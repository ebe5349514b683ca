#include "banking/DisbursementPrint.h"

#include "banking/ChequeFormat.h"
#include "banking/ChequeLines.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/clsNumerosToLetras.h"
#include "platform/Db.h"

namespace {

// The documents of a line that names whom the voucher pays: payment orders, deposits,
// cheques, invoices, cash, electronic invoices and payments, transfers.
const QStringList PayingDocuments{"LP", "RC", "CH", "FC", "EF", "FE", "FR", "TE"};

QString markers(qsizetype count)
{
    return QStringList(count, QStringLiteral("?")).join(QStringLiteral(", "));
}

} // namespace

DisbursementPrint::DisbursementPrint(Session &session, ReportOutput &output, VoucherToPrint voucher)
    : m_session(session)
    , m_output(output)
    , m_voucher(std::move(voucher))
{
}

std::optional<DisbursementPrint::Party> DisbursementPrint::proposedBeneficiary() const
{
    const QDate first(m_voucher.year, m_voucher.month, 1);
    const QVariantList key{m_voucher.company,  m_voucher.headOffice, first,
                           first.addMonths(1), m_voucher.type,       m_voucher.number};
    QVariantList documents;
    for (const QString &d : PayingDocuments)
        documents << d;
    // The voucher's own lines first; the generated ones carry the voucher in their link.
    for (const QString &link :
         {QStringLiteral("M.Empresa = ? AND M.Matriz = ? AND M.Fecha >= ? AND M.Fecha < ? "
                         "AND M.TipoComprobante = ? AND M.NumeroComprobante = ?"),
          QStringLiteral("M.EmpresaConsolidacion = ? AND M.Matriz = ? AND M.Fecha >= ? "
                         "AND M.Fecha < ? AND M.TipoComprobanteConsolidacion = ? "
                         "AND M.NumeroComprobanteConsolidacion = ?")}) {
        const auto rows = m_session.db().rows(
            QStringLiteral("SELECT M.Tercero, T.Nombre FROM MOVIMIENTO M INNER JOIN TERCERO T "
                           "ON T.Codigo = M.Tercero WHERE %1 AND M.Tercero <> '*' "
                           "AND M.TipoDocumento IN (%2) "
                           "AND (M.ValorDebito <> 0 OR M.ValorCredito <> 0) "
                           "ORDER BY M.Empresa, M.Linea")
                .arg(link, markers(documents.size())),
            key + documents);
        if (!rows.empty())
            return Party{rows.front().value(0).toString().trimmed(),
                         rows.front().value(1).toString().trimmed()};
    }
    return std::nullopt;
}

std::vector<DisbursementPrint::Party> DisbursementPrint::bankCheques() const
{
    std::vector<Party> cheques;
    for (const QSqlRecord &r : m_session.db().rows(
             QStringLiteral("SELECT Codigo,Nombre FROM CHEQUESBANCO ORDER BY Nombre")))
        cheques.push_back({r.value(0).toString().trimmed(), r.value(1).toString().trimmed()});
    return cheques;
}

QString DisbursementPrint::partyName(const QString &code) const
{
    return m_session.db()
        .scalar(QStringLiteral("SELECT Nombre FROM TERCERO WHERE Codigo = ? AND Codigo <> '*'"),
                {code.trimmed()})
        .toString()
        .trimmed();
}

DisbursementPrint::Result DisbursementPrint::print(const DisbursementRequest &request,
                                                   int destination)
{
    Result result;
    using Option = DisbursementRequest::Option;
    switch (request.option) {
    case Option::Voucher:
        result.printed.push_back(printVoucher(destination));
        break;
    case Option::VoucherAndTransfer:
        result.printed.push_back(
            printVoucherWith(TransferLayout, voucherRows(request), destination));
        break;
    case Option::VoucherAndCheque:
        printCheque(request, destination, result);
        break;
    }
    return result;
}

void DisbursementPrint::printCheque(const DisbursementRequest &request, int destination,
                                    Result &result)
{
    const QString bankCheque = request.bankCheque.trimmed();
    if (bankCheque.isEmpty()) {
        m_session.prompt().warning(NoBankCheque);
        result.refused = Result::Field::BankCheque;
        return;
    }
    const QString beneficiary =
        request.beneficiary.trimmed().isEmpty() ? QString() : partyName(request.beneficiary);
    if (beneficiary.isEmpty()) {
        m_session.prompt().warning(NoBeneficiary);
        result.refused = Result::Field::Beneficiary;
        return;
    }
    // A bank cheque whose format was deleted has nothing to print with.
    const std::optional<ChequeFormat> format =
        ChequeFormat::ofBankCheque(m_session.db(), bankCheque);
    if (!format) {
        m_session.prompt().warning(NoBankCheque);
        result.refused = Result::Field::BankCheque;
        return;
    }

    const std::vector<ChequeLine> cheques = ChequeLines::of(m_session.db(), m_voucher);
    ComputedRows rows{ChequeLines::rows(cheques, beneficiary, m_session.gCiudadEmpresa),
                      QStringLiteral("Cheque del comprobante %1-%2 de %3, %4/%5")
                          .arg(m_voucher.type, m_voucher.number, m_voucher.company)
                          .arg(m_voucher.month)
                          .arg(m_voucher.year)};
    result.printed.push_back(RunReport(m_session, m_output, std::move(rows),
                                       format->reportFile(m_session.gRutaReporte), ChequeTitle,
                                       destination, format->reportOrientation(), QString(), true,
                                       VoucherPrint::PaperSize));

    // The voucher names the cheque it was paid with; a voucher of several cheques, the first.
    ReportData data = voucherRows(request);
    const ChequeLine first = cheques.empty() ? ChequeLine{} : cheques.front();
    data.setParameter(
        QStringLiteral("ChequeBanco"),
        m_session.db()
            .scalar(QStringLiteral("SELECT Nombre FROM CHEQUESBANCO WHERE Codigo = ?"),
                    {bankCheque})
            .toString()
            .trimmed());
    data.setParameter(QStringLiteral("NumeroCheque"), first.document);
    data.setParameter(QStringLiteral("MontoCheque"), first.amount.toSql());
    data.setParameter(QStringLiteral("MontoEnLetras"),
                      cheques.empty() ? QString() : clsNumerosToLetras::ToWords(first.amount));
    result.printed.push_back(printVoucherWith(ChequeVoucherLayout, std::move(data), destination));
}

ReportOutcome DisbursementPrint::printVoucher(int destination)
{
    return RunReport(m_session, m_output,
                     VoucherPrint::query(m_voucher, m_session.gNombreIDEmpresa),
                     m_session.gRutaReporte + QStringLiteral("\\") + VoucherPrint::LayoutFile,
                     VoucherTitle, destination, VoucherPrint::Orientation, QString(), true,
                     VoucherPrint::PaperSize, QString());
}

ReportData DisbursementPrint::voucherRows(const DisbursementRequest &request) const
{
    ReportData data = VoucherPrint::rows(m_session.db(), m_voucher, m_session.gNombreIDEmpresa);
    const bool shown = request.showBeneficiary && !request.beneficiary.trimmed().isEmpty();
    data.setParameter(QStringLiteral("Beneficiario"),
                      shown ? partyName(request.beneficiary) : QString());
    data.setParameter(QStringLiteral("Observacion"), request.observation.trimmed());
    return data;
}

ReportOutcome DisbursementPrint::printVoucherWith(const QString &layout, ReportData data,
                                                  int destination)
{
    // The audit keeps the statement the rows came from.
    const QString statement = VoucherPrint::query(m_voucher, m_session.gNombreIDEmpresa).text;
    return RunReport(m_session, m_output, ComputedRows{std::move(data), statement},
                     m_session.gRutaReporte + QStringLiteral("\\") + layout, DisbursementTitle,
                     destination, VoucherPrint::Orientation, QString(), true,
                     VoucherPrint::PaperSize);
}
