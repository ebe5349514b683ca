#include "reports/AccountSums.h"

#include "calendar/FiscalYear.h"
#include "platform/Db.h"
#include "reports/TrialBalanceOptions.h"
#include "schema/BalanceStore.h"

namespace {

// Months are numbered Ano * 12 + Mes - 1 so that a fiscal year across two calendar years is
// one range.
int monthNumber(QDate date)
{
    return date.year() * 12 + date.month() - 1;
}

} // namespace

AccountSums::Dates AccountSums::datesOf(int month, int year, int closingMonth)
{
    const QDate monthStart(year, month, 1);
    return {monthStart, FiscalYear::previousEnd(monthStart, closingMonth).addDays(1)};
}

std::map<QString, AccountSum> AccountSums::read(Db &db, const TrialBalanceOptions &options,
                                                int closingMonth)
{
    using BalanceStore::VoucherClass;
    const Dates dates = datesOf(options.month, options.year, closingMonth);
    const int current = monthNumber(dates.monthStart);
    const int first = monthNumber(dates.fiscalYearStart);

    QString where = QStringLiteral("Matriz = ?");
    QVariantList params{options.headOffice};
    if (!options.consolidated) {
        where += QStringLiteral(" AND Empresa = ?");
        params << options.company;
    }
    // The fiscal year up to the chosen month, as (Ano, Mes) pairs.
    where += QStringLiteral(" AND (Ano * 12 + Mes - 1) >= ? AND (Ano * 12 + Mes - 1) <= ? "
                            "AND Ano >= ? AND Ano <= ?");
    params << first << current << dates.fiscalYearStart.year() << options.year;

    // One row per account, added up by the engine: everything before the month opens it,
    // and so does the month's opening voucher in the first month of the fiscal year, which
    // is never a movement of any month.
    const QString month = QStringLiteral("(Ano * 12 + Mes - 1)");
    const QString sql =
        QStringLiteral("SELECT Cuenta, "
                       "SUM(CASE WHEN %1 < ? OR (Clase = ? AND ? = 1) THEN Debito - Credito "
                       "ELSE 0 END), "
                       "SUM(CASE WHEN %1 = ? AND Clase <> ? AND Clase <> ? THEN Debito ELSE 0 "
                       "END), "
                       "SUM(CASE WHEN %1 = ? AND Clase <> ? AND Clase <> ? THEN Credito ELSE 0 "
                       "END) "
                       "FROM SALDOCUENTA WHERE %2 GROUP BY Cuenta")
            .arg(month, where);
    const int opening = int(VoucherClass::Opening);
    // A class no row has, when the month's closing vouchers count.
    const int leftOut = options.withoutClosing ? int(VoucherClass::Closing) : -1;
    QVariantList all{current, opening, dates.firstMonthOfFiscalYear() ? 1 : 0,
                     current, opening, leftOut,
                     current, opening, leftOut};
    all += params;

    std::map<QString, AccountSum> sums;
    for (const QSqlRecord &r : db.rows(sql, all)) {
        AccountSum &sum = sums[r.value(0).toString()];
        sum.opening = Money::fromSql(r.value(1));
        sum.debit = Money::fromSql(r.value(2));
        sum.credit = Money::fromSql(r.value(3));
    }
    return sums;
}
