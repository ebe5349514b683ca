#include "reports/FinancialStatements.h"

#include "calendar/PeriodService.h"
#include "platform/Db.h"
#include "reports/AccountSums.h"
#include "reports/TrialBalanceOptions.h"
#include "schema/BalanceStore.h"

#include <algorithm>

namespace {

TrialBalanceOptions sumsOptions(const StatementOptions &o, int year, bool withoutClosing)
{
    TrialBalanceOptions t;
    t.company = o.company;
    t.headOffice = o.headOffice;
    t.consolidated = o.consolidated;
    t.month = o.month;
    t.year = year;
    t.withoutClosing = withoutClosing;
    return t;
}

int closingMonthOf(Db &db, const StatementOptions &o)
{
    return PeriodService(db).closingMonth(o.company, o.headOffice);
}

// Codes of the chart from `low` up to (not including) `high`, no longer than `longest`, in
// byte order whatever the engine's collation. Calls `take` with each.
template<typename Take>
void readChart(Db &db, const QString &low, const QString &high, int longest, Take take)
{
    struct Account
    {
        QString code, name;
        bool summary;
    };
    std::vector<Account> chart;
    for (const QSqlRecord &r :
         db.rows(QStringLiteral("SELECT Codigo, Nombre, EsPadre FROM CUENTACONTABLE WHERE "
                                "Codigo >= ? AND Codigo < ? AND LENGTH(Codigo) <= ?"),
                 {low, high, longest}))
        chart.push_back({r.value(0).toString(), r.value(1).toString(), r.value(2).toInt() != 0});
    std::sort(chart.begin(), chart.end(),
              [](const Account &a, const Account &b) { return a.code < b.code; });
    for (const Account &a : chart)
        take(a.code, a.name, a.summary);
}

Money valueAt(const std::map<QString, Money> &m, const QString &code)
{
    const auto found = m.find(code);
    return found == m.end() ? Money() : found->second;
}

QChar classOf(const QString &code)
{
    return code.isEmpty() ? QChar() : code[0];
}

BalanceSheet sheetOf(Db &db, const StatementOptions &options, int year, int closingMonth)
{
    BalanceSheet sheet;
    std::map<QString, Money> balances;
    for (const auto &[code, sum] : AccountSums::read(db, sumsOptions(options, year, false),
                                                     closingMonth)) {
        if (AccountClass::isBalanceSheet(code))
            balances[code] += sum.closing();
        else if (AccountClass::isResult(code))
            sheet.result -= sum.closing();
    }

    // The result joins the balance of the account that takes it, so that the roll-up carries
    // it to that account's ancestors like any posted amount.
    const auto parameters =
        db.rows(QStringLiteral("SELECT UtilidadEjercicio, PerdidaEjercicio FROM PARAMETRO"));
    if (!parameters.empty()) {
        const QString account =
            parameters.front().value(sheet.result > Money() ? 0 : 1).toString().trimmed();
        if (AccountClass::isBalanceSheet(account)) {
            sheet.resultAccount = account;
            balances[account] -= sheet.result;
        }
    }

    const auto rolled = FinancialStatements::rollUp(balances, options.codeLength);
    for (const QChar c : {QLatin1Char('1'), QLatin1Char('2'), QLatin1Char('3')})
        sheet.classes[c] = valueAt(rolled, QString(c));
    readChart(db, QStringLiteral("1"), QStringLiteral("4"), options.codeLength,
              [&](const QString &code, const QString &name, bool summary) {
                  if (code.size() == 1) {
                      sheet.classNames[code] = name;
                      return;
                  }
                  const Money balance = valueAt(rolled, code);
                  if (balance.isZero() && !options.showAll)
                      return;
                  sheet.lines.push_back({code, name, summary, balance, {}});
              });
    return sheet;
}

} // namespace

Money BalanceSheet::classBalance(QChar c) const
{
    const auto found = classes.find(c);
    return found == classes.end() ? Money() : found->second;
}

Money IncomeStatement::monthResult() const
{
    Money sum;
    for (const auto &[c, amount] : monthClasses)
        sum -= amount;
    return sum;
}

Money IncomeStatement::result() const
{
    Money sum;
    for (const auto &[c, amount] : yearClasses)
        sum -= amount;
    return sum;
}

namespace FinancialStatements {

std::map<QString, Money> rollUp(const std::map<QString, Money> &sums, int codeLength)
{
    std::map<QString, Money> rolled;
    for (const auto &[code, amount] : sums) {
        // A code shorter than a level gives the same prefix twice; it counts once.
        qsizetype counted[5];
        int count = 0;
        for (const qsizetype length :
             {qsizetype(1), qsizetype(2), qsizetype(4), qsizetype(6), qsizetype(codeLength)}) {
            if (length > codeLength)
                continue;
            const qsizetype taken = std::min(length, code.size());
            if (std::find(counted, counted + count, taken) != counted + count)
                continue;
            counted[count++] = taken;
            rolled[code.left(taken)] += amount;
        }
    }
    return rolled;
}

BalanceSheet balanceSheet(Db &db, const StatementOptions &options)
{
    return sheetOf(db, options, options.year, closingMonthOf(db, options));
}

ComparativeBalanceSheet comparative(Db &db, const StatementOptions &options)
{
    const int closingMonth = closingMonthOf(db, options);
    ComparativeBalanceSheet c;
    c.current = sheetOf(db, options, options.year, closingMonth);
    c.previous = sheetOf(db, options, options.year - 1, closingMonth);
    // Both lists are in code order: merge them, an account of one period only taking 0 in
    // the other.
    auto a = c.current.lines.cbegin();
    auto b = c.previous.lines.cbegin();
    while (a != c.current.lines.cend() || b != c.previous.lines.cend()) {
        if (b == c.previous.lines.cend() || (a != c.current.lines.cend() && a->code < b->code)) {
            c.lines.push_back({a->code, a->name, a->summary, a->balance, {}});
            ++a;
        } else if (a == c.current.lines.cend() || b->code < a->code) {
            c.lines.push_back({b->code, b->name, b->summary, {}, b->balance});
            ++b;
        } else {
            c.lines.push_back({a->code, a->name, a->summary, a->balance, b->balance});
            ++a;
            ++b;
        }
    }
    for (const auto &[code, name] : c.previous.classNames)
        c.current.classNames.try_emplace(code, name);
    return c;
}

IncomeStatement incomeStatement(Db &db, const StatementOptions &options)
{
    using BalanceStore::VoucherClass;
    const int closingMonth = closingMonthOf(db, options);
    const AccountSums::Dates dates = AccountSums::datesOf(options.month, options.year, closingMonth);

    // The month without its closing voucher; the opening of the month holds the fiscal year
    // before it, where only a closing voucher dated before the year's end can stand. It is
    // taken out as well.
    std::map<QString, Money> month, year;
    for (const auto &[code, sum] :
         AccountSums::read(db, sumsOptions(options, options.year, true), closingMonth)) {
        if (!AccountClass::isResult(code))
            continue;
        month[code] += sum.debit - sum.credit;
        year[code] += sum.closing();
    }
    if (!dates.firstMonthOfFiscalYear()) {
        QString sql = QStringLiteral(
            "SELECT Cuenta, SUM(Debito - Credito) FROM SALDOCUENTA WHERE Matriz = ? AND "
            "Clase = ? AND Ano >= ? AND Ano <= ? AND (Ano * 12 + Mes - 1) >= ? AND "
            "(Ano * 12 + Mes - 1) < ? AND Cuenta >= ? AND Cuenta < ?");
        QVariantList params{options.headOffice,
                            int(VoucherClass::Closing),
                            dates.fiscalYearStart.year(),
                            options.year,
                            dates.fiscalYearStart.year() * 12 + dates.fiscalYearStart.month() - 1,
                            options.year * 12 + options.month - 1,
                            QStringLiteral("4"),
                            QStringLiteral("8")};
        if (!options.consolidated) {
            sql += QStringLiteral(" AND Empresa = ?");
            params << options.company;
        }
        sql += QStringLiteral(" GROUP BY Cuenta");
        for (const QSqlRecord &r : db.rows(sql, params))
            year[r.value(0).toString()] -= Money::fromSql(r.value(1));
    }

    IncomeStatement statement;
    for (const auto &[code, amount] : month)
        statement.monthClasses[classOf(code)] += amount;
    for (const auto &[code, amount] : year)
        statement.yearClasses[classOf(code)] += amount;

    const auto rolledMonth = rollUp(month, options.codeLength);
    const auto rolledYear = rollUp(year, options.codeLength);
    readChart(db, QStringLiteral("4"), QStringLiteral("7"), options.codeLength,
              [&](const QString &code, const QString &name, bool summary) {
                  if (code.size() == 1) {
                      statement.classNames[code] = name;
                      return;
                  }
                  const Money m = valueAt(rolledMonth, code);
                  const Money y = valueAt(rolledYear, code);
                  if (m.isZero() && y.isZero() && !options.showAll)
                      return;
                  statement.lines.push_back({code, name, summary, y, m});
              });
    return statement;
}

} // namespace FinancialStatements
