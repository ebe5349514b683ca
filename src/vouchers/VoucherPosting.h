#pragma once

#include "calendar/PeriodService.h"
#include "vouchers/PostingLine.h"
#include "vouchers/WorkAreaApproval.h"

#include <QString>
#include <vector>

class Db;

// A whole voucher handed to the books by a process (closing, adjustment runs, withholding
// causations, imports) or by the approval of a work area.
struct VoucherToPost
{
    QString company;
    QString headOffice;
    QString type;
    QString user; // recorded on the lines as their creator, and in the approval log
    std::vector<PostingLine> lines;
};

// The one writer of MOVIMIENTO. It checks that the voucher balances to the cent and lies in
// one month that the period service leaves open to the user, numbers it from the counters
// and writes its lines and the approval log, all in the caller's transaction (its own when
// there is none). A refusal writes nothing and gives back no number.
class VoucherPosting
{
public:
    static inline const QString UnbalancedText =
        QStringLiteral("¡Los débitos y créditos difieren!");
    static inline const QString PeriodText = QStringLiteral("¡Periodo bloqueado!");
    static inline const QString TwoMonthsText =
        QStringLiteral("Las líneas del comprobante deben estar en un mismo mes.");
    static inline const QString EmptyText = QStringLiteral("El comprobante no tiene líneas.");

    enum class Status { Posted, Empty, Unbalanced, TwoMonths, PeriodRefused };
    struct Outcome
    {
        Status status = Status::Posted;
        QString number;                                             // when posted
        PeriodService::Status period = PeriodService::Status::Open; // when refused for it
        bool posted() const { return status == Status::Posted; }
        // The refusal in the user's words; empty when posted.
        QString message() const;
    };

    explicit VoucherPosting(Db &db);

    Outcome post(const VoucherToPost &voucher);

    // Posts the voucher of a user's work area, with the lines it generated for other
    // companies, in one transaction: a voucher taken out for modification replaces its
    // posted lines under its number, a new one is numbered; the work areas are emptied and
    // the approval logged. Checks and the question go through `prompter`; a failure rolls
    // everything back and leaves the work area as it was.
    ApprovalOutcome approve(const WorkAreaToApprove &area, Prompter &prompter);

    // Writes `lines` as voucher `number` (numbered 1.. in their order), with the rules every
    // posted line follows; no checks. The approval of a work area and post() share it.
    void writeLines(const VoucherToPost &voucher, const QString &number);
    // The approval log row of a voucher.
    void logApproval(const VoucherToPost &voucher, const QString &number);

    // Withholding lines on these accounts always carry 10 % in PorcentajeImpuesto.
    static bool takesTenPercent(const QString &account);

private:
    Db &m_db;
};
