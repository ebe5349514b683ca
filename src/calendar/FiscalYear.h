#pragma once

#include <QDate>

// A company's fiscal year: it ends on the last day of its closing month (`EMPRESA.Mes`).
struct FiscalYear
{
    QDate first;
    QDate last;

    bool contains(QDate date) const { return date >= first && date <= last; }

    // The fiscal year that holds `date`, for a company closing in `closingMonth` (1-12; any
    // other value counts as December).
    static FiscalYear containing(QDate date, int closingMonth);
    // The fiscal year that ends in calendar year `year`.
    static FiscalYear endingIn(int year, int closingMonth);
    // The last day of the fiscal year before the one that holds `date`.
    static QDate previousEnd(QDate date, int closingMonth)
    {
        return containing(date, closingMonth).first.addDays(-1);
    }
};
