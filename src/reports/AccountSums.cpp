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
    // Consolidated, the companies' rows of an account are added up here: cheaper than
    // grouping on the server, which on PostgreSQL hashes the codes and sums in NUMERIC.
    const auto select = [&options](const QStringList &amounts) {
        return QStringLiteral("SELECT Cuenta, %1 FROM %2 WHERE Matriz = ? AND Ano = ? AND "
                              "Mes = ?%3")
            .arg(amounts.join(QStringLiteral(", ")), BalanceStore::MonthTable,
                 options.consolidated ? QString() : QStringLiteral(" AND Empresa = ?"));
    };
    const auto params = [&options](QDate m) {
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
    // Rows come in code order, company by company: each is placed after the last one found.
    auto at = [&sums, next = sums.end()](const QString &code) mutable -> AccountSum & {
        const auto found = sums.try_emplace(next, code);
        next = std::next(found);
        return found->second;
    };

    // The month: the first month of the fiscal year opens from its opening vouchers alone
    // (later ones open the months after theirs), and the closing vouchers may be left out.
    QSqlQuery q = db.run(
        select({dates.firstMonthOfFiscalYear() ? QStringLiteral("DebitoApertura - CreditoApertura")
                                               : before,
                options.withoutClosing ? QStringLiteral("Debito")
                                       : QStringLiteral("Debito + DebitoCierre"),
                options.withoutClosing ? QStringLiteral("Credito")
                                       : QStringLiteral("Credito + CreditoCierre")}),
        params(month));
    while (q.next()) {
        AccountSum &sum = at(q.value(0).toString());
        sum.opening += Money::fromSql(q.value(1));
        sum.debit += Money::fromSql(q.value(2));
        sum.credit += Money::fromSql(q.value(3));
    }
    q.finish();

    const auto open = [&](const QString &opening, QDate m, int sign) {
        QSqlQuery q = db.run(select({opening}), params(m));
        while (q.next())
            at(q.value(0).toString()).opening += Money::fromSql(q.value(1)) * sign;
    };
    if (!dates.firstMonthOfFiscalYear()) {
        if (start.year() != month.year())
            open(through, QDate(start.year(), 12, 1), 1);
        if (start.month() != 1)
            open(before, start, -1);
    }
    return sums;
}
