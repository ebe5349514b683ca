#include "reports/MonthRange.h"

std::optional<QString> MonthRange::fault(int first, int last, int closingMonth)
{
    const int closing = closingMonth >= 1 && closingMonth <= 12 ? closingMonth : 12;
    if (first > closing && last <= closing) {
        // Starts in the fiscal year that opens after the closing month and ends in the one
        // that closes with it.
        if (last == closing)
            return LastNotClosing;
        return FirstAfterLast;
    }
    if (first <= closing && last > closing) {
        // Runs across the fiscal year's end: starting on the closing month itself, the user
        // meant the new year; otherwise the range should stop at the closing month.
        return first == closing ? FirstAfterClosing : LastUpToClosing;
    }
    if (first > last)
        return FirstAfterLast;
    return std::nullopt;
}
