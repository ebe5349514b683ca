#pragma once

#include "common/Money.h"
#include "common/report/RunReport.h"
#include "platform/report/ReportData.h"
#include "reports/TrialBalanceOptions.h"

#include <QString>

class Db;
class ReportOutput;
struct Session;

// The general ledger ("Mayor Analitico"): the trial balance of a month, each row followed by
// the debits and credits of every line of the company (or of the head office with its
// branches) over the range the opening balances come from.
class GeneralLedgerReport
{
public:
    static inline const QString Title = QStringLiteral("Mayor Analitico");
    static inline const QString LayoutFile = QStringLiteral("crpMayorAnalitico.rpt");
    static inline const QString DebitColumn = QStringLiteral("DebitoAnterior");
    static inline const QString CreditColumn = QStringLiteral("CreditoAnterior");

    struct Totals
    {
        Money debit;
        Money credit;
    };
    // From the first day of the fiscal year to the end of the month before; in the fiscal
    // year's first month, its opening vouchers ("999") alone. Read from the balance store,
    // for the options as given. Throws DbError.
    static Totals openingRangeTotals(Db &db, const TrialBalanceOptions &options);

    // The trial balance's rows (TrialBalanceReport::rows) with DebitoAnterior and
    // CreditoAnterior (thousandths) appended to each. Throws DbError.
    static ReportData rows(const Session &session, const TrialBalanceOptions &options);

    // Previewed in landscape (destination 0) or only prepared (any other). Throws DbError.
    static ReportOutcome run(const Session &session, ReportOutput &output,
                             const TrialBalanceOptions &options, int destination = 0);
};
