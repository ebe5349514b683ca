#include "common/DecimalText.h"

#include <QLocale>
#include <limits>

namespace DecimalText {

namespace {
qint64 pow10(int n)
{
    qint64 r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

// Checks that group separators split the integer digits every three places.
bool validGrouping(const QString &integerPart, const QString &group)
{
    const QStringList chunks = integerPart.split(group);
    if (chunks.size() == 1)
        return true;
    if (chunks.first().isEmpty() || chunks.first().size() > 3)
        return false;
    for (int i = 1; i < chunks.size(); ++i)
        if (chunks.at(i).size() != 3)
            return false;
    return true;
}
} // namespace

qint64 divideRounded(Wide value, Wide divisor)
{
    const bool negative = value < 0;
    if (negative)
        value = -value;
    Wide q = value / divisor;
    if ((value % divisor) * 2 >= divisor)
        ++q;
    return static_cast<qint64>(negative ? -q : q);
}

std::optional<qint64> parse(QString text, QChar decimal, const QString &group, int scaleDigits)
{
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
        negative = text.front() == QLatin1Char('-');
        text = text.mid(1).trimmed();
    }
    if (text.isEmpty())
        return std::nullopt;

    QString integerPart = text;
    QString fraction;
    const int point = text.indexOf(decimal);
    if (point >= 0) {
        integerPart = text.left(point);
        fraction = text.mid(point + 1);
    }
    if (integerPart.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (!group.isEmpty() && integerPart.contains(group)) {
        if (!validGrouping(integerPart, group))
            return std::nullopt;
        integerPart.remove(group);
    }
    if (fraction.size() > scaleDigits)
        return std::nullopt;
    for (QChar c : integerPart + fraction)
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
    if (integerPart.size() > 18)
        return std::nullopt;

    const qint64 whole = integerPart.isEmpty() ? 0 : integerPart.toLongLong();
    const qint64 frac = fraction.isEmpty()
                            ? 0
                            : fraction.toLongLong() * pow10(scaleDigits - int(fraction.size()));
    const Wide scaled = Wide(whole) * pow10(scaleDigits) + frac;
    if (scaled > std::numeric_limits<qint64>::max())
        return std::nullopt;
    return negative ? -qint64(scaled) : qint64(scaled);
}

std::optional<qint64> parseLocale(const QString &text, const QLocale &locale, int scaleDigits)
{
    const QString dp = locale.decimalPoint();
    return parse(text, dp.isEmpty() ? QLatin1Char('.') : dp.front(), locale.groupSeparator(),
                 scaleDigits);
}

std::optional<qint64> parseTyped(const QString &text, int scaleDigits)
{
    QString t = text;
    if (t.count(QLatin1Char(',')) + t.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return parse(t, QLatin1Char('.'), QString(), scaleDigits);
}

namespace {
struct Parts
{
    bool negative;
    qint64 whole;
    qint64 fraction;
};

Parts split(qint64 scaled, int scaleDigits, int decimals)
{
    const qint64 rounded = divideRounded(scaled, pow10(scaleDigits - decimals));
    const qint64 unit = pow10(decimals);
    const qint64 magnitude = rounded < 0 ? -rounded : rounded;
    return {rounded < 0, magnitude / unit, magnitude % unit};
}
} // namespace

QString format(qint64 scaled, int scaleDigits, int decimals, const QLocale &locale)
{
    const Parts p = split(scaled, scaleDigits, decimals);
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString text = grouped.toString(p.whole);
    if (decimals > 0)
        text += locale.decimalPoint()
                + QStringLiteral("%1").arg(p.fraction, decimals, 10, QLatin1Char('0'));
    return p.negative ? locale.negativeSign() + text : text;
}

QString formatPlain(qint64 scaled, int scaleDigits, int decimals)
{
    const Parts p = split(scaled, scaleDigits, decimals);
    QString text = QString::number(p.whole);
    if (decimals > 0)
        text += QLatin1Char('.') + QStringLiteral("%1").arg(p.fraction, decimals, 10, QLatin1Char('0'));
    return p.negative ? QLatin1Char('-') + text : text;
}

} // namespace DecimalText
