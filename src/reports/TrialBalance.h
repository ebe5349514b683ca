#pragma once

#include "common/Money.h"
#include "reports/AccountSums.h"
#include "reports/TrialBalanceOptions.h"

#include <QHash>
#include <QString>
#include <vector>

class Db;

// One line of a trial balance: an account of the chart with the sums of every posted
// account whose code begins with its code.
struct TrialBalanceRow
{
    QString code;
    QString name;
    bool summary = false; // EsPadre
    AccountSum sum;
};

// The trial balance engine: month sums from the balance store, rolled up in code prefixes of
// 1, 2, 4 and 6 characters and the detail level, joined with the chart of accounts and
// filtered by level, range and movement. The statements reuse it.
class TrialBalance
{
public:
    // Rows in code order. Throws DbError.
    static std::vector<TrialBalanceRow> compute(Db &db, const TrialBalanceOptions &options);

    // Adds `sums` up to the levels a row can show: each prefix of 1, 2, 4 and 6 characters
    // and the detail level (the first `detailDigits` characters, or the whole code).
    static QHash<QString, AccountSum> rollUp(const std::map<QString, AccountSum> &sums,
                                             int detailDigits, bool wholeCodeDetail);
    // Longest code the level option shows.
    static int maxCodeLength(int level, int detailDigits);
};
