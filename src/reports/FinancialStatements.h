#pragma once

#include "common/Money.h"

#include <QString>
#include <map>
#include <vector>

class Db;

// What the user asks of a balance sheet or an income statement.
struct StatementOptions
{
    QString company;
    QString headOffice;
    bool consolidated = false; // every company of the head office
    int month = 0;             // 1-12
    int year = 0;
    // Longest code listed, and the finest level of the roll-up: 2 "Grupo", 4 "Cuenta",
    // 6 "SubCuenta". Deeper accounts are added into their prefix of this length.
    int codeLength = 4;
    bool showAll = false; // also the accounts whose balance is zero
    // Income statement: the month beside the fiscal year to date (otherwise the fiscal year
    // to date alone).
    bool beforeClosing = false;
};

// Account classes by the first character of the code, compared as text.
namespace AccountClass {
inline bool isBalanceSheet(const QString &code)
{
    return !code.isEmpty() && code[0] >= QLatin1Char('1') && code[0] <= QLatin1Char('3');
}
// Classes "4" to "7": the result of the fiscal year.
inline bool isResult(const QString &code)
{
    return !code.isEmpty() && code[0] >= QLatin1Char('4') && code[0] <= QLatin1Char('7');
}
// Classes "4" to "6": the accounts an income statement lists.
inline bool isIncomeStatement(const QString &code)
{
    return !code.isEmpty() && code[0] >= QLatin1Char('4') && code[0] <= QLatin1Char('6');
}
} // namespace AccountClass

// A listed account: a code of the chart of 2 to `codeLength` characters and the sums of
// every posted account whose code begins with it. Amounts are debit minus credit.
struct StatementLine
{
    QString code;
    QString name;
    bool summary = false; // EsPadre
    Money balance;        // balance sheet: at the end of the month
    Money month;          // income statement: the month
};

// The balance sheet at the end of a month: the trial balance's closing balances of classes
// "1" to "3" with the result of the fiscal year to date added to the profit or loss account
// and its ancestors. Nothing is overwritten, so assets always equal liabilities, equity and
// the result.
struct BalanceSheet
{
    std::vector<StatementLine> lines; // classes "1" to "3", in code order
    std::map<QString, QString> classNames;
    // Debit minus credit of classes "1", "2" and "3", the result included where it was placed.
    std::map<QChar, Money> classes;
    // R: credit minus debit of classes "4" to "7" from the start of the fiscal year to the end
    // of the month, every voucher counted. A profit is positive. After the year's closing
    // voucher it is 0: the closing has already carried it to its account.
    Money result;
    // The account that took the result (UtilidadEjercicio for a profit, PerdidaEjercicio
    // otherwise); empty when that parameter is empty or names no balance-sheet account, and
    // then the sheet shows the result on a line of its own.
    QString resultAccount;

    Money classBalance(QChar c) const;
    bool resultAssigned() const { return !resultAccount.isEmpty(); }
    // The amounts as a reader takes them: credit balances of liabilities and equity positive.
    Money assets() const { return classBalance(QLatin1Char('1')); }
    Money liabilities() const { return -classBalance(QLatin1Char('2')); }
    // Equity with the result, wherever it shows.
    Money equity() const
    {
        return -classBalance(QLatin1Char('3')) + (resultAssigned() ? Money() : result);
    }
};

// The income statement of a month: classes "4" to "6", the closing vouchers ("099") always
// left out. `month` of a line holds the month's movements, `balance` the fiscal year to the
// end of the month.
struct IncomeStatement
{
    std::vector<StatementLine> lines; // classes "4" to "6", in code order
    std::map<QString, QString> classNames;
    // Debit minus credit per class "4" to "7", over the month and over the fiscal year.
    std::map<QChar, Money> monthClasses;
    std::map<QChar, Money> yearClasses;

    // Credit minus debit of classes "4" to "7": class "7" is in the result, though none of
    // its accounts is listed.
    Money monthResult() const;
    Money result() const;
};

// The comparative balance sheet: each account beside its balance in the same month of the
// previous year. An account of one period only shows 0 in the other.
struct ComparativeLine
{
    QString code;
    QString name;
    bool summary = false;
    Money current;
    Money previous;
};

struct ComparativeBalanceSheet
{
    BalanceSheet current;
    BalanceSheet previous;
    std::vector<ComparativeLine> lines;
};

// The statements, computed on the trial balance's engine: month sums from the balance store
// (AccountSums), rolled up in code prefixes of 1, 2 and 4 characters and the chosen level,
// joined with the chart of accounts.
namespace FinancialStatements {

// Throw DbError.
BalanceSheet balanceSheet(Db &db, const StatementOptions &options);
ComparativeBalanceSheet comparative(Db &db, const StatementOptions &options);
IncomeStatement incomeStatement(Db &db, const StatementOptions &options);

// Adds posted sums up to every prefix of 1, 2, 4 and 6 characters no longer than
// `codeLength`, and to the prefix of `codeLength`: the codes a statement can list.
std::map<QString, Money> rollUp(const std::map<QString, Money> &sums, int codeLength);

} // namespace FinancialStatements
