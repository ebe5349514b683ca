#pragma once

#include <QString>

// What the user asks of a trial balance (and of the statements built the same way).
struct TrialBalanceOptions
{
    QString company;
    QString headOffice;
    bool consolidated = false; // every company of the head office
    int month = 0;             // 1-12
    int year = 0;
    int level = 4;               // 1: codes up to 2 characters, 2: 4, 3: 6, 4: every level
    QString from, to;            // account range, applied when both are given
    bool showAll = false;        // also accounts without opening balance or movement
    bool withoutClosing = false; // leave the month's closing vouchers ("099") out
    // "SQL2000" groups the detail level on the whole code; otherwise on its first
    // CantDigCuenta characters.
    bool wholeCodeDetail = false;
};
