#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>
#include <compare>
#include <optional>
#include <vector>

class QLocale;
class Rate;

// An exact amount: a signed count of thousandths. Screens show and type two decimals;
// "equal to the cent" compares amounts rounded to cents, half away from zero.
class Money
{
public:
    constexpr Money() = default;

    static constexpr Money fromThousandths(qint64 t) { return Money(t); }
    static constexpr Money fromCents(qint64 c) { return Money(c * 10); }
    static constexpr Money fromUnits(qint64 u) { return Money(u * 1000); }
    // Reads a database value (integer, or exact text as PostgreSQL returns sums); null is zero.
    static Money fromSql(const QVariant &value);

    // Text formatted with `locale`'s separators ("1.234.567,89" or "1,234,567.89"), up to
    // three decimals, optional sign. Group separators must fall every three digits.
    static std::optional<Money> parse(const QString &text, const QLocale &locale);
    // Text as typed in an amount box: digits, an optional sign and one decimal separator,
    // "," or "." alike, no group separators.
    static std::optional<Money> parseTyped(const QString &text);

    constexpr qint64 thousandths() const { return m_value; }
    QVariant toSql() const { return QVariant::fromValue<qlonglong>(m_value); }

    // Rounded to whole cents, half away from zero.
    qint64 cents() const;
    Money roundedToCents() const { return fromCents(cents()); }
    bool equalToCent(Money other) const { return cents() == other.cents(); }

    constexpr bool isZero() const { return m_value == 0; }
    constexpr bool isNegative() const { return m_value < 0; }
    constexpr Money abs() const { return Money(m_value < 0 ? -m_value : m_value); }

    // "###,###,###,###,###,##0.00" with the locale's separators.
    QString format(const QLocale &locale) const;
    // "##############0.00": two decimals, a point, no grouping (files and statement text).
    QString toPlainString() const;

    // amount × rate, rounded half away from zero to the thousandth.
    Money times(const Rate &rate) const;
    // amount × percentage / 100, rounded half away from zero to the thousandth.
    Money percent(const Rate &percentage) const;

    // amount ÷ divisor, rounded half away from zero to the thousandth. Throws
    // std::invalid_argument for a zero divisor.
    Money dividedBy(qint64 divisor) const;
    // Rounded to whole units, half away from zero.
    Money roundedToUnits() const;

    // The split of a voucher line over its account's cost centres: every share but the last
    // is amount × percentage / 100 rounded half away from zero to whole units (no decimals);
    // the last takes what remains, so the shares add up to the amount exactly whatever the
    // percentages total.
    static std::vector<Money> costCentreSplit(Money amount, const std::vector<Rate> &percentages);

    // Splits `total` in proportion to `weights` so that the parts add up to the total exactly.
    // Parts are whole multiples of `unit` (a cent by default) except that any remainder below
    // one unit goes to the largest part. Zero weights get zero. Weights must not be negative.
    static std::vector<Money> allocate(Money total, const std::vector<qint64> &weights,
                                       Money unit = Money::fromCents(1));

    constexpr Money operator-() const { return Money(-m_value); }
    constexpr Money operator+(Money o) const { return Money(m_value + o.m_value); }
    constexpr Money operator-(Money o) const { return Money(m_value - o.m_value); }
    constexpr Money operator*(qint64 n) const { return Money(m_value * n); }
    Money &operator+=(Money o)
    {
        m_value += o.m_value;
        return *this;
    }
    Money &operator-=(Money o)
    {
        m_value -= o.m_value;
        return *this;
    }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(qint64 v)
        : m_value(v)
    {
    }
    qint64 m_value = 0;
};
