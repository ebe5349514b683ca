#pragma once

#include "common/report/ReportQuery.h"
#include "common/report/RunReport.h"
#include "platform/report/ReportData.h"

#include <QString>
#include <functional>

class Db;
class ReportOutput;
struct Session;

// One posted voucher: company and head office, the month it lies in, its type and number.
struct VoucherToPrint
{
    QString company;
    QString headOffice;
    int year = 0;
    int month = 0;
    QString type;
    QString number;
};

// The printed voucher, "crpComprobante.rpt": the voucher's own lines followed by the lines it
// generated in other companies, read by the layout as these columns (amounts in thousandths,
// the "*" of no third party, document type or cost centre printed empty):
//
//   Criterio                1 for the voucher's own lines, 2 for the generated ones
//   Generado                0 / 1, the same as a flag the layout can test
//   Grupo                   company, type and number of the line's voucher ("E02-001-7")
//   NombreEmpresa           the company of the voucher printed
//   NombreIDEmpresa         the name of the company's tax identifier
//   TipoComprobante, NombreComprobante, NumeroComprobante, FechaComprobante
//                           the voucher printed (its latest line date), on every row
//   EmpresaLinea, NombreEmpresaLinea, NombreMatrizLinea
//                           the company whose books hold the line, and its head office
//   TipoComprobanteLinea, NumeroComprobanteLinea
//                           the voucher the line belongs to in that company
//   Linea, Fecha, Cuenta, NombreCuenta, Tercero, NombreTercero, TipoDocumento, Documento,
//   CentroCosto, Descripcion, ValorDebito, ValorCredito, Fechadoc (the document's date),
//   Usuario, NombreCreador  the user recorded on the line and the user's name
//
// Only lines with a debit or a credit above 0 are printed, ordered by Criterio, by the
// company, type and number of their voucher, and by line.
class VoucherPrint
{
public:
    static inline const QString Title = QStringLiteral("Comprobantes");
    static inline const QString LayoutFile = QStringLiteral("crpComprobante.rpt");
    static inline const QString IslrQuestion =
        QStringLiteral("Desea imprimir el comprobante de retenciòn de ISLR?");

    // Vouchers go to paper in portrait: the report runner then takes the half-page layout
    // "crpComprobante_MEDIA.rpt" that sits beside the full one.
    static constexpr int Orientation = 1;
    static constexpr int PaperSize = 1; // letter

    // The statement and its values; `taxIdLabel` is the installation's NombreIDEmpresa.
    static ReportQuery query(const VoucherToPrint &voucher, const QString &taxIdLabel);
    // The rows of the printed voucher. Throws DbError.
    static ReportData rows(Db &db, const VoucherToPrint &voucher, const QString &taxIdLabel);

    // Runs the layout on the voucher through the report runner: audited, previewed
    // (destination 0), printed (1) or only prepared. Throws DbError.
    static ReportOutcome print(const Session &session, ReportOutput &output,
                               const VoucherToPrint &voucher, int destination = 0);

    // Whether vouchers of `type` are disbursements (COMPROBANTE.Egreso = 1).
    static bool isDisbursement(Db &db, const QString &type);
    // Whether the voucher withholds ISLR: a line on an account with ManejaReteFuente = 1 and
    // a retention concept other than "999" or empty.
    static bool withholdsIslr(Db &db, const VoucherToPrint &voucher);
};

// What the entry window does once a voucher of the session's company is approved: prints it
// (or hands a disbursement to its own printing) on the session's report output, then offers
// the ISLR retention voucher where there is one to print. The voucher is the session's
// company's, in `year` and `month`. A session without a report output (the command line)
// prints nothing. Database errors reach the caller.
void PrintApprovedVoucher(Session &session, const QString &type, const QString &number, int year,
                          int month);

// The two steps of that print that later windows take over.
namespace ApprovedVoucherPrint {

// Opens the disbursement-printing window (voucher, cheque or electronic payment, with its
// beneficiary) on an approved disbursement voucher. That window belongs to a layer above
// this one, so the application hands it over at start-up.
using DisbursementWindow = std::function<void(Session &session, const VoucherToPrint &voucher)>;
// Installs the window; an empty function takes it away again.
void setDisbursementWindow(DisbursementWindow open);

// A disbursement voucher goes to the disbursement-printing window. Where none is installed
// (the command line, tests of this layer) it is printed as any other voucher.
void printDisbursement(Session &session, const VoucherToPrint &voucher);

// Whether to ask IslrQuestion after the print. Answers false until the ISLR retention
// voucher can be printed; then it becomes VoucherPrint::withholdsIslr, and a yes to the
// question prints that voucher. Disbursements never ask here: their window prints.
bool offersIslrRetentionVoucher(Db &db, const VoucherToPrint &voucher);

} // namespace ApprovedVoucherPrint
