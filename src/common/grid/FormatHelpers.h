#pragma once

#include <QLocale>
#include <QString>

class Money;

// The small formatting helpers every window uses.

// "Enero" .. "Diciembre" for 1..12; empty for anything else.
QString MonthName(int month);
// Days of `month` in `year`; 0 for a month outside 1..12. February has 29 days in every
// year divisible by 4, centuries included (1900 too), as the books have always counted it;
// code that needs the calendar's answer asks QDate.
int DaysInMonth(int month, int year);

// "," when `locale` writes decimals with a comma, else ".".
QString DecimalSeparator(const QLocale &locale = QLocale());
// The other one: "." when the decimal separator is ",", else ",".
QString ThousandsSeparator(const QLocale &locale = QLocale());
// The first character of the decimal separator the operating system reports for the user.
QString LocaleDecimalSeparator(const QLocale &locale = QLocale::system());

// An amount as decimal text with a point and two decimals, no grouping ("1234.50"), the
// form statement text and files use. Never paste it into SQL: bind the Money instead.
QString FormatAmountSql(const Money &amount);
// The same for an amount as the user typed it under `locale` ("1.234,5" or "1234,5" in
// Venezuela); an empty text is 0. Empty result when the text is not an amount.
QString FormatAmountSql(const QString &typed, const QLocale &locale = QLocale());

// `text` trimmed and left-padded with "0" to `width` characters; longer texts unchanged.
QString PadZeros(const QString &text, int width);

// `query` without its last ORDER BY clause (and whatever follows it).
QString StripOrderBy(const QString &query);
// When `query` has a "?" parameter: `query` without its last WHERE and what follows it.
QString StripParameterWhere(const QString &query);
