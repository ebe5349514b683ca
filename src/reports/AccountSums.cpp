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

    std::map<QString, AccountSum> sums;
    for (const QSqlRecord &r :
         db.rows(QStringLiteral("SELECT Cuenta, Ano, Mes, Clase, SUM(Debito), SUM(Credito) "
                                "FROM SALDOCUENTA WHERE %1 GROUP BY Cuenta, Ano, Mes, Clase")
                     .arg(where),
                 params)) {
        const int month = r.value(1).toInt() * 12 + r.value(2).toInt() - 1;
        const auto voucherClass = VoucherClass(r.value(3).toInt());
        const Money debit = Money::fromSql(r.value(4));
        const Money credit = Money::fromSql(r.value(5));
        AccountSum &sum = sums[r.value(0).toString()];
        if (month < current) {
            sum.opening += debit - credit;
        } else if (voucherClass == VoucherClass::Opening) {
            // The opening voucher of the month opens the first month of the fiscal year and
            // is never a movement of any month.
            if (dates.firstMonthOfFiscalYear())
                sum.opening += debit - credit;
        } else if (!(options.withoutClosing && voucherClass == VoucherClass::Closing)) {
            sum.debit += debit;
            sum.credit += credit;
        }
    }
    return sums;
}
