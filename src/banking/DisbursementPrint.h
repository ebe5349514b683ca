#pragma once

#include "common/report/RunReport.h"
#include "vouchers/print/VoucherPrint.h"

#include <QString>
#include <optional>
#include <vector>

class ReportOutput;
struct Session;

// What the user asked of the disbursement-printing window.
struct DisbursementRequest
{
    enum class Option {
        Voucher,            // "Comprobante"
        VoucherAndCheque,   // "Comprobante y Cheque"
        VoucherAndTransfer, // "Comprobante y Documento Electronico"
    };
    Option option = Option::Voucher;
    bool showBeneficiary = false; // "Mostrar beneficiario en comprobante"
    QString beneficiary;          // third party code
    QString observation;
    QString bankCheque; // CHEQUESBANCO.Codigo
};

// The print of a disbursement voucher once it is approved: the voucher alone, the voucher
// with the cheque it pays with, or the voucher of an electronic payment. The cheque is
// written out to the beneficiary chosen in the window, usually the one proposedBeneficiary()
// offers.
//
// Besides the columns of the printed voucher (VoucherPrint), crpComprobanteTransferencia.rpt
// and crpComprobanteCheque.rpt read the values Beneficiario (the beneficiary's name when it
// is to be shown, else empty) and Observacion; crpComprobanteCheque.rpt also reads
// ChequeBanco (the bank cheque's name), NumeroCheque, MontoCheque (thousandths) and
// MontoEnLetras of the first cheque.
class DisbursementPrint
{
public:
    static inline const QString WindowTitle = QStringLiteral("Imprimir Comprobante de Egreso");
    static inline const QString NoBankCheque =
        QStringLiteral("Selecione un formato de cheque de banco!");
    static inline const QString NoBeneficiary = QStringLiteral("Selecione un beneficiario!");

    static inline const QString VoucherTitle = QStringLiteral("Comprobante");
    static inline const QString DisbursementTitle = QStringLiteral("Comprobante de Egreso");
    static inline const QString ChequeTitle = QStringLiteral("Cheque");
    static inline const QString TransferLayout = QStringLiteral("crpComprobanteTransferencia.rpt");
    static inline const QString ChequeVoucherLayout = QStringLiteral("crpComprobanteCheque.rpt");

    static inline const QString BeneficiaryLookup =
        QStringLiteral("SELECT Codigo, Nombre FROM TERCERO WHERE Codigo <> '*' ORDER BY Nombre");

    struct Party
    {
        QString code;
        QString name;
    };

    // Where a request stopped and what it printed.
    struct Result
    {
        enum class Field { None, BankCheque, Beneficiary };
        Field refused = Field::None; // the field the user was told to fill
        std::vector<ReportOutcome> printed;
    };

    DisbursementPrint(Session &session, ReportOutput &output, VoucherToPrint voucher);

    const VoucherToPrint &voucher() const { return m_voucher; }

    // The first third party of the voucher's lines, then of the lines it generated in other
    // companies, on a paying document with an amount. Throws DbError.
    std::optional<Party> proposedBeneficiary() const;
    // The bank cheques to choose from, by name. Throws DbError.
    std::vector<Party> bankCheques() const;
    // The name of a third party; empty for an unknown code. Throws DbError.
    QString partyName(const QString &code) const;

    // Checks and prints what `request` asks for, at `destination` (0 preview, 1 printer).
    // Throws DbError.
    Result print(const DisbursementRequest &request, int destination = 0);

private:
    void printCheque(const DisbursementRequest &request, int destination, Result &result);
    ReportOutcome printVoucher(int destination);
    // The printed voucher's rows with the beneficiary and the observation asked for.
    ReportData voucherRows(const DisbursementRequest &request) const;
    ReportOutcome printVoucherWith(const QString &layout, ReportData data, int destination);

    Session &m_session;
    ReportOutput &m_output;
    VoucherToPrint m_voucher;
};
