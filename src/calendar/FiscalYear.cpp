#include "calendar/FiscalYear.h"

namespace {

int validMonth(int closingMonth)
{
    return closingMonth >= 1 && closingMonth <= 12 ? closingMonth : 12;
}

} // namespace

FiscalYear FiscalYear::endingIn(int year, int closingMonth)
{
    const QDate closingMonthStart(year, validMonth(closingMonth), 1);
    const QDate last = closingMonthStart.addMonths(1).addDays(-1);
    return {closingMonthStart.addMonths(-11), last};
}

FiscalYear FiscalYear::containing(QDate date, int closingMonth)
{
    const int month = validMonth(closingMonth);
    return endingIn(date.month() <= month ? date.year() : date.year() + 1, month);
}
