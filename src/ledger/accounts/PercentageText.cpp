#include "ledger/accounts/PercentageText.h"

#include "common/Rate.h"

namespace {
constexpr qint64 PowerOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
}

QString PercentageText(const Rate &percentage, const QLocale &locale)
{
    int decimals = 2;
    while (decimals < 6 && percentage.millionths() % PowerOfTen[6 - decimals] != 0)
        ++decimals;
    return percentage.format(locale, decimals).remove(locale.groupSeparator());
}
