#include "reports/FinancialStatements.h"

#include "StatementBooks.h"

#include "reports/TrialBalance.h"
#include "support/Printers.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <optional>

namespace {

Money u(qint64 units)
{
    return Money::fromUnits(units);
}

std::optional<StatementLine> lineOf(const std::vector<StatementLine> &lines, const QString &code)
{
    for (const StatementLine &l : lines)
        if (l.code == code)
            return l;
    return std::nullopt;
}

QStringList codesOf(const std::vector<StatementLine> &lines)
{
    QStringList codes;
    for (const StatementLine &l : lines)
        codes << l.code;
    return codes;
}

class FinancialStatementsTest : public ::testing::Test, protected StatementBooks
{
protected:
    void post(QDate date, const QString &debited, const QString &credited, qint64 units,
              const QString &type = "001", const QString &company = "E01")
    {
        StatementBooks::post(date, debited, credited, u(units), type, company);
    }
    BalanceSheet sheet(int month, int year, int codeLength = 6)
    {
        return FinancialStatements::balanceSheet(db(), statementOptions(month, year, codeLength));
    }
    IncomeStatement income(int month, int year, int codeLength = 6)
    {
        return FinancialStatements::incomeStatement(db(),
                                                    statementOptions(month, year, codeLength));
    }
};

TEST_F(FinancialStatementsTest, ARevenueOf1000AndExpensesOf400Give600OnTheProfitAccount)
{
    post({2025, 3, 5}, Bank, Sales, 1000);
    post({2025, 3, 9}, Expenses, Bank, 400);
    const BalanceSheet s = sheet(3, 2025);
    EXPECT_EQ(s.result, u(600));
    EXPECT_EQ(s.resultAccount, Profit);
    // Debit minus credit: a profit is a credit balance, on the account and its ancestors.
    EXPECT_EQ(lineOf(s.lines, "310501")->balance, -u(600));
    EXPECT_EQ(lineOf(s.lines, "3105")->balance, -u(600));
    EXPECT_EQ(lineOf(s.lines, "31")->balance, -u(600));
    EXPECT_EQ(s.assets(), u(600));
    EXPECT_EQ(s.liabilities() + s.equity(), u(600));
    // The chosen level is the finest: the detail accounts are inside their sub-accounts.
    EXPECT_FALSE(lineOf(s.lines, Profit));
    EXPECT_EQ(codesOf(sheet(3, 2025, 2).lines), QStringList({"11", "31"}));
    EXPECT_EQ(codesOf(sheet(3, 2025, 4).lines), QStringList({"11", "1105", "31", "3105"}));

    const IncomeStatement i = income(3, 2025);
    EXPECT_EQ(i.result(), u(600));
    EXPECT_EQ(lineOf(i.lines, "410101")->balance, -u(1000));
    EXPECT_EQ(lineOf(i.lines, "610101")->balance, u(400));
}

TEST_F(FinancialStatementsTest, ALossGoesToTheLossAccount)
{
    post({2025, 2, 5}, Bank, Sales, 200);
    post({2025, 2, 9}, Costs, Bank, 700);
    const BalanceSheet s = sheet(2, 2025, 4);
    EXPECT_EQ(s.result, -u(500));
    EXPECT_EQ(s.resultAccount, Loss);
    EXPECT_EQ(lineOf(s.lines, "3105")->balance, u(500));
    EXPECT_EQ(s.assets(), -u(500));
    EXPECT_EQ(s.assets(), s.liabilities() + s.equity());
}

TEST_F(FinancialStatementsTest, TheResultToDateCountsEveryMonthOfTheFiscalYearOnly)
{
    post({2024, 11, 5}, Bank, Sales, 5000); // last fiscal year: not this year's result
    post({2025, 1, 1}, Bank, Capital, 5000, "999");
    post({2025, 1, 10}, Bank, Sales, 100);
    post({2025, 4, 10}, Bank, Sales, 30);
    EXPECT_EQ(sheet(1, 2025).result, u(100));
    EXPECT_EQ(sheet(3, 2025).result, u(100));
    EXPECT_EQ(sheet(4, 2025).result, u(130));
    EXPECT_EQ(income(4, 2025).result(), u(130));
    EXPECT_EQ(income(4, 2025).monthResult(), u(30));
}

TEST_F(FinancialStatementsTest, ClassSevenCountsInTheResultButIsNotListed)
{
    post({2025, 3, 5}, Bank, Sales, 1000);
    post({2025, 3, 6}, Other, Bank, 150);
    EXPECT_EQ(sheet(3, 2025).result, u(850));
    const IncomeStatement i = income(3, 2025);
    for (const StatementLine &l : i.lines)
        EXPECT_NE(l.code[0], QLatin1Char('7')) << l.code.toStdString();
    EXPECT_EQ(i.yearClasses.at(QLatin1Char('7')), u(150));
    EXPECT_EQ(i.result(), u(850));
}

TEST_F(FinancialStatementsTest, AnAccountOfLastYearOnlyShowsZeroThisYear)
{
    post({2024, 3, 5}, Furniture, Suppliers, 800);
    post({2024, 12, 20}, Suppliers, Furniture, 800); // sold off in December
    post({2025, 3, 5}, Bank, Capital, 300);
    const ComparativeBalanceSheet c =
        FinancialStatements::comparative(db(), statementOptions(3, 2025));
    auto find = [&c](const QString &code) -> std::optional<ComparativeLine> {
        for (const ComparativeLine &l : c.lines)
            if (l.code == code)
                return l;
        return std::nullopt;
    };
    ASSERT_TRUE(find("120101"));
    EXPECT_TRUE(find("120101")->current.isZero());
    EXPECT_EQ(find("120101")->previous, u(800));
    ASSERT_TRUE(find("110501"));
    EXPECT_EQ(find("110501")->current, u(300));
    EXPECT_TRUE(find("110501")->previous.isZero());
    EXPECT_EQ(c.previous.assets(), c.previous.liabilities() + c.previous.equity());
}

TEST_F(FinancialStatementsTest, TheClosingVoucherIsLeftOutOfTheIncomeStatementAndShowsOnce)
{
    post({2025, 12, 5}, Bank, Sales, 1000);
    post({2025, 12, 9}, Expenses, Bank, 400);
    EXPECT_EQ(lineOf(sheet(12, 2025).lines, "310501")->balance, -u(600));
    // The closing brings the result accounts to zero and carries 600 to the profit account.
    post({2025, 12, 31}, Sales, Profit, 1000, "099");
    post({2025, 12, 31}, Profit, Expenses, 400, "099");

    const BalanceSheet s = sheet(12, 2025);
    EXPECT_TRUE(s.result.isZero());
    EXPECT_EQ(lineOf(s.lines, "310501")->balance, -u(600)) << "once, where the closing put it";
    EXPECT_EQ(s.assets(), s.liabilities() + s.equity());

    const IncomeStatement i = income(12, 2025);
    EXPECT_EQ(lineOf(i.lines, "410101")->month, -u(1000));
    EXPECT_EQ(lineOf(i.lines, "410101")->balance, -u(1000));
    EXPECT_EQ(i.monthResult(), u(600));
    EXPECT_EQ(i.result(), u(600));
}

TEST_F(FinancialStatementsTest, AClosingVoucherDatedBeforeTheMonthStaysOutOfTheYear)
{
    post({2025, 5, 5}, Bank, Sales, 1000);
    post({2025, 5, 31}, Sales, Profit, 1000, "099");
    EXPECT_EQ(income(6, 2025).result(), u(1000));
    EXPECT_TRUE(sheet(6, 2025).result.isZero());
}

TEST_F(FinancialStatementsTest, WithoutAResultAccountTheResultIsPlacedNowhere)
{
    db().exec("UPDATE PARAMETRO SET UtilidadEjercicio = ''");
    post({2025, 3, 5}, Bank, Sales, 1000);
    BalanceSheet s = sheet(3, 2025);
    EXPECT_FALSE(s.resultAssigned());
    EXPECT_FALSE(lineOf(s.lines, "31"));
    EXPECT_EQ(s.equity(), u(1000)) << "the result on a line of its own";
    EXPECT_EQ(s.assets(), s.liabilities() + s.equity());
    // A result account outside the balance sheet takes nothing either.
    db().exec("UPDATE PARAMETRO SET UtilidadEjercicio = ?", {Sales});
    s = sheet(3, 2025);
    EXPECT_FALSE(s.resultAssigned());
    EXPECT_EQ(s.assets(), s.liabilities() + s.equity());
}

TEST_F(FinancialStatementsTest, ConsolidatedAddsTheBranches)
{
    post({2025, 3, 5}, Bank, Sales, 100);
    post({2025, 3, 5}, Bank, Sales, 40, "001", "E02");
    auto o = statementOptions(3, 2025);
    EXPECT_EQ(FinancialStatements::balanceSheet(db(), o).result, u(100));
    o.consolidated = true;
    EXPECT_EQ(FinancialStatements::balanceSheet(db(), o).result, u(140));
    EXPECT_EQ(FinancialStatements::incomeStatement(db(), o).result(), u(140));
}

TEST_F(FinancialStatementsTest, ShowAllListsTheAccountsWithoutBalance)
{
    post({2025, 3, 5}, Bank, Capital, 100);
    auto o = statementOptions(3, 2025, 2);
    EXPECT_EQ(codesOf(FinancialStatements::balanceSheet(db(), o).lines),
              QStringList({"11", "31"}));
    o.showAll = true;
    EXPECT_EQ(codesOf(FinancialStatements::balanceSheet(db(), o).lines),
              QStringList({"11", "12", "21", "31"}));
    EXPECT_EQ(codesOf(FinancialStatements::incomeStatement(db(), o).lines),
              QStringList({"41", "51", "61"}));
}

TEST(FinancialStatementsRollUp, EveryLevelUpToTheChosenOneCountsOnce)
{
    const std::map<QString, Money> sums{{"11", u(5)}, {"110501001", u(7)}};
    const auto four = FinancialStatements::rollUp(sums, 4);
    EXPECT_EQ(four.at("1"), u(12));
    EXPECT_EQ(four.at("11"), u(12));
    EXPECT_EQ(four.at("1105"), u(7));
    EXPECT_FALSE(four.count("110501"));
    EXPECT_EQ(FinancialStatements::rollUp(sums, 6).at("110501"), u(7));
    EXPECT_EQ(FinancialStatements::rollUp(sums, 2).size(), 2u);
}

// Random books over two fiscal years, the first closed by its closing voucher and opened
// again, the second open: for every month, level and scope the sheet balances, its result is
// what the trial balance gives for classes "4" to "7", the income statement agrees, and every
// line is the trial balance's closing balance (plus the result on the result account's
// ancestors).
class StatementsOnRandomBooks : public FinancialStatementsTest
{
protected:
    const QStringList details{Bank,  "110501002", Furniture, Suppliers, Capital,
                              Sales, Costs,       Expenses,  Other};

    void postRandomYear(QRandomGenerator &random, int year, int vouchers)
    {
        Transaction tx(db());
        for (int i = 0; i < vouchers; ++i) {
            const QString debited = details[random.bounded(details.size())];
            QString credited = details[random.bounded(details.size())];
            // A late opening voucher now and then, inside the year: it opens the months after
            // its own.
            const QDate date(year, 1 + random.bounded(12), 1 + random.bounded(28));
            const bool late = date.month() > 1 && date.month() < 12 && random.bounded(20) == 0;
            const QString type = late ? "999" : "001";
            StatementBooks::post(date,
                                 debited, credited, Money::fromCents(random.bounded(1, 900000)),
                                 type, random.bounded(3) ? "E01" : "E02");
        }
        tx.commit();
    }

    // Lines of one voucher straight into MOVIMIENTO: (account, debit minus credit).
    void postVoucher(QDate date, const QString &type, const QString &company,
                     const std::vector<std::pair<QString, Money>> &lines)
    {
        ++m_number;
        int n = 0;
        for (const auto &[account, amount] : lines)
            db().exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, "
                      "NumeroComprobante, Usuario, Linea, Cuenta, Fecha, ValorDebito, "
                      "ValorCredito) VALUES (?, 'E01', ?, ?, 'ANA', ?, ?, ?, ?, ?)",
                      {company, type, QString::number(m_number), ++n, account, date,
                       (amount.isNegative() ? Money() : amount).toSql(),
                       (amount.isNegative() ? -amount : Money()).toSql()});
    }

    // Closes `year` for `company` as the closing does: every result account to zero, the net
    // to the profit or loss account; then opens the next year with the balance-sheet accounts.
    void closeYear(int year, const QString &company)
    {
        auto balances = [&](const QString &low, const QString &high) {
            std::vector<std::pair<QString, Money>> found;
            for (const QSqlRecord &r : db().rows(
                     "SELECT Cuenta, SUM(ValorDebito - ValorCredito) FROM MOVIMIENTO WHERE "
                     "Empresa = ? AND Fecha >= ? AND Fecha <= ? AND Cuenta >= ? AND Cuenta < ? "
                     "GROUP BY Cuenta ORDER BY Cuenta",
                     {company, QDate(year, 1, 1), QDate(year, 12, 31), low, high}))
                found.emplace_back(r.value(0).toString(), Money::fromSql(r.value(1)));
            return found;
        };
        std::vector<std::pair<QString, Money>> closing;
        Money result;
        for (const auto &[account, balance] : balances("4", "8")) {
            closing.emplace_back(account, -balance);
            result -= balance;
        }
        closing.emplace_back(result.isNegative() ? Loss : Profit, -result);
        postVoucher(QDate(year, 12, 31), "099", company, closing);
        postVoucher(QDate(year + 1, 1, 1), "999", company, balances("1", "4"));
    }

    // Closing balances of every code of the chart in the trial balance of the month.
    std::map<QString, Money> trialBalance(int month, int year, bool consolidated,
                                          bool withoutClosing = false)
    {
        TrialBalanceOptions o;
        o.company = o.headOffice = "E01";
        o.consolidated = consolidated;
        o.month = month;
        o.year = year;
        o.showAll = true;
        o.withoutClosing = withoutClosing;
        std::map<QString, Money> closing;
        for (const TrialBalanceRow &r : TrialBalance::compute(db(), o))
            closing[r.code] = r.sum.closing();
        return closing;
    }

    void checkYear(int year, bool closed)
    {
        for (int month = 1; month <= 12; ++month) {
            for (const bool consolidated : {false, true}) {
                const auto tb = trialBalance(month, year, consolidated);
                const bool closingMonth = closed && month == 12;
                const auto tbOpen =
                    closingMonth ? trialBalance(month, year, consolidated, true) : tb;
                auto classesResult = [](const std::map<QString, Money> &t) {
                    Money r;
                    for (const char *c : {"4", "5", "6", "7"})
                        r -= t.at(c);
                    return r;
                };
                const Money r = classesResult(tb);
                for (const int length : {2, 4, 6}) {
                    const std::string where = QString("%1/%2 L%3 %4")
                                                  .arg(month)
                                                  .arg(year)
                                                  .arg(length)
                                                  .arg(consolidated ? "consolidado" : "E01")
                                                  .toStdString();
                    auto o = statementOptions(month, year, length);
                    o.consolidated = consolidated;
                    o.showAll = length == 4;
                    const BalanceSheet s = FinancialStatements::balanceSheet(db(), o);
                    EXPECT_EQ(s.assets(), s.liabilities() + s.equity()) << where;
                    EXPECT_EQ(s.result, r) << where;
                    if (closingMonth) {
                        EXPECT_TRUE(s.result.isZero()) << where;
                    }
                    EXPECT_EQ(s.assets(), tb.at("1")) << where;
                    for (const StatementLine &l : s.lines) {
                        const bool holdsResult = s.resultAccount.startsWith(l.code);
                        EXPECT_EQ(l.balance, tb.at(l.code) - (holdsResult ? r : Money()))
                            << where << " " << l.code.toStdString();
                    }

                    const IncomeStatement i = FinancialStatements::incomeStatement(db(), o);
                    EXPECT_EQ(i.result(), classesResult(tbOpen)) << where;
                    if (!closingMonth) {
                        EXPECT_EQ(i.result(), s.result) << where;
                    }
                    for (const StatementLine &l : i.lines)
                        EXPECT_EQ(l.balance, tbOpen.at(l.code))
                            << where << " " << l.code.toStdString();
                }
            }
        }
    }
};

TEST_F(StatementsOnRandomBooks, BalanceAndAgreeWithTheTrialBalanceInAClosedAndAnOpenYear)
{
    QRandomGenerator random(17);
    postRandomYear(random, 2024, 120);
    closeYear(2024, "E01");
    closeYear(2024, "E02");
    postRandomYear(random, 2025, 120);
    // The closing leaves the result accounts at zero.
    EXPECT_TRUE(sheet(12, 2024).result.isZero());
    EXPECT_TRUE(trialBalance(12, 2024, true).at("4").isZero());
    checkYear(2024, true);
    checkYear(2025, false);
}

} // namespace
