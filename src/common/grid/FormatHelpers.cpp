#include "common/grid/FormatHelpers.h"

#include "common/Money.h"

QString MonthName(int month)
{
    static const char *const names[] = {"Enero",      "Febrero", "Marzo",     "Abril",
                                        "Mayo",       "Junio",   "Julio",     "Agosto",
                                        "Septiembre", "Octubre", "Noviembre", "Diciembre"};
    if (month < 1 || month > 12)
        return {};
    return QString::fromLatin1(names[month - 1]);
}

int DaysInMonth(int month, int year)
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 0;
    }
}

QString DecimalSeparator(const QLocale &locale)
{
    return locale.decimalPoint().contains(QLatin1Char(',')) ? QStringLiteral(",")
                                                            : QStringLiteral(".");
}

QString ThousandsSeparator(const QLocale &locale)
{
    return DecimalSeparator(locale) == QLatin1String(",") ? QStringLiteral(".")
                                                          : QStringLiteral(",");
}

QString LocaleDecimalSeparator(const QLocale &locale)
{
    return locale.decimalPoint().left(1);
}

QString FormatAmountSql(const Money &amount)
{
    return amount.toPlainString();
}

QString FormatAmountSql(const QString &typed, const QLocale &locale)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return Money().toPlainString();
    // Grouped text follows the locale; plain typing may use either separator.
    std::optional<Money> amount = Money::parse(text, locale);
    if (!amount)
        amount = Money::parseTyped(text);
    return amount ? amount->toPlainString() : QString();
}

QString PadZeros(const QString &text, int width)
{
    return text.trimmed().rightJustified(width, QLatin1Char('0'));
}

QString StripOrderBy(const QString &query)
{
    const qsizetype at = query.toUpper().lastIndexOf(QLatin1String("ORDER BY"));
    return at < 0 ? query : query.left(at);
}

QString StripParameterWhere(const QString &query)
{
    if (!query.contains(QLatin1Char('?')))
        return query;
    const qsizetype at = query.toUpper().lastIndexOf(QLatin1String("WHERE"));
    return at < 0 ? query : query.left(at);
}
