#pragma once

#include "common/Money.h"
#include "reports/AuxiliaryBookOptions.h"

#include <QDate>
#include <QString>
#include <vector>

class Db;

// One posted line of an auxiliary book.
struct AuxiliaryLine
{
    QString company;
    QString voucherType;
    QString voucherName;
    QString voucherNumber;
    int line = 0;
    QString description;
    QDate date;
    QString documentType;
    QString documentName;
    QString document;
    QString costCentre;
    QString user;
    Money debit;
    Money credit;
};

// An account's lines with one third party, after its opening balance.
struct AuxiliaryParty
{
    QString code;
    QString name;
    Money opening;
    Money debit;
    Money credit;
    std::vector<AuxiliaryLine> lines;

    Money closing() const { return opening + debit - credit; }
};

// An account with its third parties; the sums are theirs.
struct AuxiliaryAccount
{
    QString code;
    QString name;
    Money opening;
    Money debit;
    Money credit;
    std::vector<AuxiliaryParty> parties;

    Money closing() const { return opening + debit - credit; }
};

// The book: accounts in code order, third parties in code order within each, and the sums of
// all of them.
struct AuxiliaryBookData
{
    std::vector<AuxiliaryAccount> accounts;
    Money opening;
    Money debit;
    Money credit;

    Money closing() const { return opening + debit - credit; }
    size_t lineCount() const;
};

// The auxiliary books' engine. Opening balances per account and third party come from the
// balance store: from the start of the fiscal year to the month before the first one, or,
// when the first month opens the fiscal year, from its opening vouchers alone. The lines are
// the posted lines of the months, opening vouchers and lines that are no posting left out.
// A pair with an opening balance and no line in the months is listed all the same.
class AuxiliaryBook
{
public:
    // Throws DbError.
    static AuxiliaryBookData compute(Db &db, const AuxiliaryBookOptions &options);
};
