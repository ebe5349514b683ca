#pragma once

#include "calendar/PeriodService.h"

#include <QString>

class Db;
class Prompter;

// The voucher a user holds in the work area of a company, on its way to the books.
struct WorkAreaToApprove
{
    QString company;
    QString headOffice;
    QString user;
    int year = 0;
    int month = 0;
};

// What became of an approval.
struct ApprovalOutcome
{
    enum class Status {
        Approved,
        Empty,                   // nothing in the work area
        Unbalanced,              // debits and credits differ at the cent
        ConsolidationUnbalanced, // the lines generated for `company` do not balance
        Declined,                // the user answered no
        PeriodRefused,
        Failed, // the transaction failed and was rolled back
    };
    Status status = Status::Empty;
    QString type;
    QString number;
    QString company;
    PeriodService::Status period = PeriodService::Status::Open;

    bool approved() const { return status == Status::Approved; }
};

// The approval of a work area, done by the posting service (VoucherPosting::approve).
namespace WorkAreaApproval {

inline const QString AskText = QStringLiteral("Desea aprobar el comprobante? ");
inline const QString FailedText =
    QStringLiteral("Error en insercción de datos... notifique al departamento de sistemas...!");
// Followed by the company and ConsolidationTail.
inline const QString ConsolidationText =
    QStringLiteral("¡Debitós y creditós de consolidación de empresa : ");
inline const QString ConsolidationTail = QStringLiteral(" difieren!");

} // namespace WorkAreaApproval
