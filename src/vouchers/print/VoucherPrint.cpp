#include "vouchers/print/VoucherPrint.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/ReportOutput.h"
#include "platform/Db.h"

#include <QDate>

namespace {

// The columns both halves of the statement yield, in order. `%1` is the company whose
// voucher is printed, `%2` its voucher type column, `%3` its number column and `%4` the
// alias of its COMPROBANTE row: the line's own for the voucher's lines, the linked ones for
// the lines generated in other companies.
const QString SelectList = QStringLiteral(
    "SELECT %5 AS Criterio, %6 AS Generado, "
    "M.Empresa || '-' || M.TipoComprobante || '-' || M.NumeroComprobante AS Grupo, "
    "EV.Nombre AS NombreEmpresa, CAST(? AS TEXT) AS NombreIDEmpresa, "
    "%2 AS TipoComprobante, %4.Nombre AS NombreComprobante, %3 AS NumeroComprobante, "
    "V.FechaComprobante AS FechaComprobante, "
    "M.Empresa AS EmpresaLinea, E.Nombre AS NombreEmpresaLinea, EM.Nombre AS NombreMatrizLinea, "
    "M.TipoComprobante AS TipoComprobanteLinea, M.NumeroComprobante AS NumeroComprobanteLinea, "
    "M.Linea AS Linea, M.Fecha AS Fecha, M.Cuenta AS Cuenta, CC.Nombre AS NombreCuenta, "
    "CASE WHEN M.Tercero = '*' THEN '' ELSE M.Tercero END AS Tercero, "
    "CASE WHEN M.Tercero = '*' THEN '' ELSE T.Nombre END AS NombreTercero, "
    "CASE WHEN M.TipoDocumento = '*' THEN '' ELSE M.TipoDocumento END AS TipoDocumento, "
    "CASE WHEN M.TipoDocumento = '*' THEN '' ELSE D.Nombre END AS NombreDocumento, "
    "M.Documento AS Documento, "
    "CASE WHEN M.CentroCosto = '*' THEN '' ELSE M.CentroCosto END AS CentroCosto, "
    "M.Descripcion AS Descripcion, M.ValorDebito AS ValorDebito, "
    "M.ValorCredito AS ValorCredito, M.Fechadoc AS Fechadoc, M.Usuario AS Usuario, "
    "U.NombreUsuario AS NombreCreador "
    "FROM MOVIMIENTO M CROSS JOIN Voucher V "
    "LEFT JOIN EMPRESA EV ON EV.Codigo = %1 "
    "LEFT JOIN EMPRESA E ON E.Codigo = M.Empresa "
    "LEFT JOIN EMPRESA EM ON EM.Codigo = M.Matriz "
    "LEFT JOIN COMPROBANTE C ON C.Codigo = M.TipoComprobante "
    "LEFT JOIN CUENTACONTABLE CC ON CC.Codigo = M.Cuenta "
    "LEFT JOIN TERCERO T ON T.Codigo = M.Tercero "
    "LEFT JOIN DOCUMENTO D ON D.Codigo = M.TipoDocumento "
    "LEFT JOIN USUARIOS U ON U.CodUsuario = M.Usuario ");

// Lines without an amount (an annulled voucher's, a cost-centre split left at zero) are not
// printed.
const QString WithAmount = QStringLiteral("AND (M.ValorDebito > 0 OR M.ValorCredito > 0) ");

QVariantList keyOf(const VoucherToPrint &v)
{
    const QDate first(v.year, v.month, 1);
    return {v.company, v.headOffice, first, first.addMonths(1), v.type, v.number};
}

} // namespace

ReportQuery VoucherPrint::query(const VoucherToPrint &voucher, const QString &taxIdLabel)
{
    const QString own =
        SelectList.arg(QStringLiteral("M.Empresa"), QStringLiteral("M.TipoComprobante"),
                       QStringLiteral("M.NumeroComprobante"), QStringLiteral("C"),
                       QStringLiteral("1"), QStringLiteral("0"));
    // The lines this voucher generated in other companies carry its company, type and number
    // in their consolidation link, under the same head office.
    const QString generated =
        SelectList.arg(QStringLiteral("M.EmpresaConsolidacion"),
                       QStringLiteral("M.TipoComprobanteConsolidacion"),
                       QStringLiteral("M.NumeroComprobanteConsolidacion"), QStringLiteral("CO"),
                       QStringLiteral("2"), QStringLiteral("1")) +
        QStringLiteral("LEFT JOIN COMPROBANTE CO ON CO.Codigo = M.TipoComprobanteConsolidacion ");

    const QString statement =
        QStringLiteral("WITH Voucher AS (SELECT MAX(Fecha) AS FechaComprobante FROM MOVIMIENTO "
                       "WHERE Empresa = ? AND Matriz = ? AND Fecha >= ? AND Fecha < ? "
                       "AND TipoComprobante = ? AND NumeroComprobante = ?) ") +
        own +
        QStringLiteral("WHERE M.Empresa = ? AND M.Matriz = ? AND M.Fecha >= ? AND M.Fecha < ? "
                       "AND M.TipoComprobante = ? AND M.NumeroComprobante = ? ") +
        WithAmount + QStringLiteral("UNION ALL ") + generated +
        QStringLiteral("WHERE M.EmpresaConsolidacion = ? AND M.Matriz = ? AND M.Fecha >= ? "
                       "AND M.Fecha < ? AND M.TipoComprobanteConsolidacion = ? "
                       "AND M.NumeroComprobanteConsolidacion = ? ") +
        WithAmount +
        QStringLiteral("ORDER BY Criterio, EmpresaLinea, TipoComprobanteLinea, "
                       "NumeroComprobanteLinea, Linea");

    const QVariantList key = keyOf(voucher);
    return {statement, key + QVariantList{taxIdLabel} + key + QVariantList{taxIdLabel} + key};
}

ReportData VoucherPrint::rows(Db &db, const VoucherToPrint &voucher, const QString &taxIdLabel)
{
    const ReportQuery q = query(voucher, taxIdLabel);
    return ReportData::fromRecords(db.rows(q.text, q.values));
}

ReportOutcome VoucherPrint::print(const Session &session, ReportOutput &output,
                                  const VoucherToPrint &voucher, int destination)
{
    return RunReport(session, output, query(voucher, session.gNombreIDEmpresa),
                     session.gRutaReporte + QStringLiteral("\\") + LayoutFile, Title, destination,
                     Orientation, QString(), true, PaperSize, QString());
}

bool VoucherPrint::isDisbursement(Db &db, const QString &type)
{
    return db.scalar(QStringLiteral("SELECT Egreso FROM COMPROBANTE WHERE Codigo = ?"), {type})
               .toInt() == 1;
}

bool VoucherPrint::withholdsIslr(Db &db, const VoucherToPrint &voucher)
{
    return db.exists(
        QStringLiteral("SELECT 1 FROM MOVIMIENTO M INNER JOIN CUENTACONTABLE CC "
                       "ON CC.Codigo = M.Cuenta WHERE M.Empresa = ? AND M.Matriz = ? "
                       "AND M.Fecha >= ? AND M.Fecha < ? AND M.TipoComprobante = ? "
                       "AND M.NumeroComprobante = ? AND CC.ManejaReteFuente = 1 "
                       "AND M.ConceptoRetencion IS NOT NULL AND M.ConceptoRetencion <> '' "
                       "AND M.ConceptoRetencion <> '999'"),
        keyOf(voucher));
}

namespace ApprovedVoucherPrint {

namespace {
DisbursementWindow &disbursementWindow()
{
    static DisbursementWindow open;
    return open;
}
} // namespace

void setDisbursementWindow(DisbursementWindow open)
{
    disbursementWindow() = std::move(open);
}

void printDisbursement(Session &session, const VoucherToPrint &voucher)
{
    if (const DisbursementWindow &open = disbursementWindow())
        open(session, voucher);
    else
        VoucherPrint::print(session, *session.reports, voucher);
}

bool offersIslrRetentionVoucher(Db &db, const VoucherToPrint &voucher)
{
    // Nothing to offer yet: the ISLR retention voucher has no print of its own.
    (void)db;
    (void)voucher;
    return false;
}

} // namespace ApprovedVoucherPrint

void PrintApprovedVoucher(Session &session, const QString &type, const QString &number, int year,
                          int month)
{
    if (!session.reports)
        return;
    const VoucherToPrint voucher{session.gEmpresa, session.gMatriz, year, month, type, number};
    Db &db = session.db();
    if (VoucherPrint::isDisbursement(db, type)) {
        ApprovedVoucherPrint::printDisbursement(session, voucher);
        return;
    }
    VoucherPrint::print(session, *session.reports, voucher);
    if (ApprovedVoucherPrint::offersIslrRetentionVoucher(db, voucher) &&
        session.prompt().question(VoucherPrint::IslrQuestion)) {
        // A yes prints the ISLR retention voucher, once that voucher can be printed.
    }
}
