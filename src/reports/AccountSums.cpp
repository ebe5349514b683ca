#include "reports/AccountSums.h"

#include "calendar/FiscalYear.h"
#include "platform/Db.h"
#include "reports/TrialBalanceOptions.h"
#include "schema/BalanceStore.h"

AccountSums::Dates AccountSums::datesOf(int month, int year, int closingMonth)
{
    const QDate monthStart(year, month, 1);
    return {monthStart, FiscalYear::previousEnd(monthStart, closingMonth).addDays(1)};
}

std::map<QString, AccountSum> AccountSums::read(Db &db, const TrialBalanceOptions &options,
                                                int closingMonth)
{
    const Dates dates = datesOf(options.month, options.year, closingMonth);
    const QDate &month = dates.monthStart;
    const QDate &start = dates.fiscalYearStart;

    // The store's month rows hold what the calendar year added up before the month, so the
    // opening balance is that of the chosen month less that of the fiscal year's first month,
    // plus December's closing sums of the year before when the fiscal year began in it.
    const QString where =
        QStringLiteral(" FROM %1 WHERE Matriz = ? AND Ano = ? AND Mes = ?%2")
            .arg(BalanceStore::MonthTable,
                 options.consolidated ? QString() : QStringLiteral(" AND Empresa = ?"));
    const auto params = [&](QDate m) {
        QVariantList p{options.headOffice, m.year(), m.month()};
        if (!options.consolidated)
            p << options.company;
        return p;
    };
    const QString before = QStringLiteral("DebitoAnterior - CreditoAnterior");
    const QString through =
        before + QStringLiteral(" + Debito - Credito + DebitoApertura - "
                                "CreditoApertura + DebitoCierre - CreditoCierre");

    std::map<QString, AccountSum> sums;
    // Rows come in code order per company: each is placed after the last one found, unless
    // a company before it already brought the code.
    auto at = [&sums, next = sums.end()](const QString &code) mutable -> AccountSum & {
        const auto found = sums.try_emplace(next, code);
        next = std::next(found);
        return found->second;
    };
    const auto add = [&](const QString &opening, QDate m, int sign) {
        QSqlQuery q = db.run(QStringLiteral("SELECT Cuenta, ") + opening + where, params(m));
        while (q.next())
            at(q.value(0).toString()).opening += Money::fromSql(q.value(1)) * sign;
    };

    // The month: the first month of the fiscal year opens from its opening vouchers alone
    // (later ones open the months after theirs), and the closing vouchers may be left out.
    QSqlQuery q = db.run(
        QStringLiteral("SELECT Cuenta, %1, Debito%2, Credito%3")
                .arg(dates.firstMonthOfFiscalYear()
                         ? QStringLiteral("DebitoApertura - CreditoApertura")
                         : before,
                     options.withoutClosing ? QString() : QStringLiteral(" + DebitoCierre"),
                     options.withoutClosing ? QString() : QStringLiteral(" + CreditoCierre")) +
            where,
        params(month));
    while (q.next()) {
        AccountSum &sum = at(q.value(0).toString());
        sum.opening += Money::fromSql(q.value(1));
        sum.debit += Money::fromSql(q.value(2));
        sum.credit += Money::fromSql(q.value(3));
    }
    q.finish();

    if (!dates.firstMonthOfFiscalYear()) {
        if (start.year() != month.year())
            add(through, QDate(start.year(), 12, 1), 1);
        if (start.month() != 1)
            add(before, start, -1);
    }
    return sums;
}
