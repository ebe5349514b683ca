#pragma once

#include "common/Money.h"
#include "platform/report/ReportData.h"
#include "vouchers/print/VoucherPrint.h"

#include <QDate>
#include <QString>
#include <vector>

class Db;

// A cheque drawn by a disbursement voucher: one of its lines on a bank account.
struct ChequeLine
{
    int line = 0;
    QString document; // the cheque's number as the line carries it
    QDate date;
    Money amount;  // ValorDebito + ValorCredito
    QString party; // the line's third party ("*" when none)
    QString partyName;
};

// The bank lines of a voucher and the rows a cheque layout reads from them.
//
// The cheque layouts (CHQ1.rpt, CHQ2.rpt and any other format) read one row per cheque:
//
//   Linea, NumeroCheque      the voucher's line and the document number it carries
//   Monto                    the amount, in thousandths
//   MontoEnLetras            the amount in words ("UN MIL ... CON 56/100")
//   Beneficiario             the name the cheque is paid to
//   TerceroLinea             the name of the line's own third party
//   Fecha, Dia, Mes, NombreMes, Ano
//                            the line's date, and its day ("06"), month ("12" and
//                            "diciembre") and year ("2026")
//   Lugar, LugarFecha        the working company's city, and "Caracas, 06 de diciembre de 2026"
class ChequeLines
{
public:
    // The document types of the line that pays: deposits, cheques, invoices paid, cash and
    // payment orders.
    static const QStringList &DocumentTypes();
    // Bank accounts are those of the chart's group "1110".
    static inline const QString BankAccountPrefix = QStringLiteral("1110");

    // The voucher's own lines on a bank account with one of those document types and an
    // amount, in line order. Throws DbError.
    static std::vector<ChequeLine> of(Db &db, const VoucherToPrint &voucher);

    static ReportData rows(const std::vector<ChequeLine> &cheques, const QString &beneficiary,
                           const QString &city);
};
