#pragma once

#include "common/Money.h"

#include <QDate>
#include <QString>
#include <map>

class Db;
struct TrialBalanceOptions;

// Opening balance and month movements of one account code.
struct AccountSum
{
    Money opening;
    Money debit;
    Money credit;

    Money closing() const { return opening + debit - credit; }
    bool isZero() const { return opening.isZero() && debit.isZero() && credit.isZero(); }
    AccountSum &operator+=(const AccountSum &o)
    {
        opening += o.opening;
        debit += o.debit;
        credit += o.credit;
        return *this;
    }
};

// The sums of a month per posted account code, read from the balance store: the opening
// balance from the start of the fiscal year (from the opening vouchers only in its first
// month) and the debits and credits of the month, opening vouchers left out.
class AccountSums
{
public:
    // The dates of one run: the first day of the month and of its fiscal year.
    struct Dates
    {
        QDate monthStart;
        QDate fiscalYearStart;
        bool firstMonthOfFiscalYear() const { return fiscalYearStart == monthStart; }
    };
    static Dates datesOf(int month, int year, int closingMonth);

    static std::map<QString, AccountSum> read(Db &db, const TrialBalanceOptions &options,
                                              int closingMonth);
};
