#pragma once

#include "platform/report/ReportLayout.h"

#include <QDateTime>
#include <QLocale>
#include <QVariant>
#include <optional>

// Turns database values into the text a report prints. Amounts arrive as whole thousandths,
// as every amount column is stored, and are printed with two decimals and the locale's
// separators, the same pattern the screens use. No step goes through floating point.
class FieldFormatter
{
public:
    // A whole number read from an integer, from exact decimal text (PostgreSQL's NUMERIC) or,
    // failing both, from a double; fractions are rounded half away from zero.
    static std::optional<qint64> wholeNumber(const QVariant &value);
    // "###,###,###,###,###,##0.00" of an amount given in thousandths, rounded to the cent
    // half away from zero.
    static QString amount(qint64 thousandths, const QLocale &locale);
    // Whether a condition field holds something: not null, not blank, not zero, not false.
    static bool holdsSomething(const QVariant &value);
    static QDate toDate(const QVariant &value);
    static QTime toTime(const QVariant &value);

    static QString format(const QVariant &value, const ReportFormatting &how,
                          const QLocale &locale);
};
