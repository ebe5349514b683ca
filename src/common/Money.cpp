#include "common/Money.h"

#include "common/DecimalText.h"
#include "common/Rate.h"

#include <QLocale>
#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace {
constexpr int scaleDigits = 3;
}

Money Money::fromSql(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QString) {
        // PostgreSQL hands NUMERIC sums back as exact text, possibly with a ".000" tail.
        const auto parsed = DecimalText::parse(value.toString(), QLatin1Char('.'), {}, 0);
        if (parsed)
            return Money(*parsed);
        const auto withFraction = DecimalText::parse(value.toString(), QLatin1Char('.'), {}, 6);
        if (withFraction)
            return Money(DecimalText::divideRounded(*withFraction, 1000000));
        throw std::invalid_argument("not an amount: " + value.toString().toStdString());
    }
    return Money(value.toLongLong());
}

std::optional<Money> Money::parse(const QString &text, const QLocale &locale)
{
    const auto v = DecimalText::parseLocale(text, locale, scaleDigits);
    return v ? std::optional<Money>(Money(*v)) : std::nullopt;
}

std::optional<Money> Money::parseTyped(const QString &text)
{
    const auto v = DecimalText::parseTyped(text, scaleDigits);
    return v ? std::optional<Money>(Money(*v)) : std::nullopt;
}

qint64 Money::cents() const
{
    return DecimalText::divideRounded(m_value, 10);
}

QString Money::format(const QLocale &locale) const
{
    return DecimalText::format(m_value, scaleDigits, 2, locale);
}

QString Money::toPlainString() const
{
    return DecimalText::formatPlain(m_value, scaleDigits, 2);
}

Money Money::times(const Rate &rate) const
{
    return Money(
        DecimalText::divideRounded(DecimalText::Wide(m_value) * rate.millionths(), Rate::Scale));
}

Money Money::percent(const Rate &percentage) const
{
    return Money(DecimalText::divideRounded(DecimalText::Wide(m_value) * percentage.millionths(),
                                            Rate::Scale * 100));
}

Money Money::dividedBy(qint64 divisor) const
{
    if (divisor == 0)
        throw std::invalid_argument("division of an amount by zero");
    // divideRounded takes the sign from the dividend only.
    const DecimalText::Wide value = divisor < 0 ? -DecimalText::Wide(m_value) : m_value;
    return Money(DecimalText::divideRounded(value, divisor < 0 ? -DecimalText::Wide(divisor)
                                                               : DecimalText::Wide(divisor)));
}

Money Money::roundedToUnits() const
{
    return Money(DecimalText::divideRounded(m_value, 1000) * 1000);
}

std::vector<Money> Money::costCentreSplit(Money amount, const std::vector<Rate> &percentages)
{
    std::vector<Money> shares(percentages.size());
    Money given;
    for (size_t i = 0; i + 1 < percentages.size(); ++i) {
        // Straight from the exact product to whole units: rounding to the thousandth first
        // would round twice (0.4995 would become 1 instead of 0).
        const DecimalText::Wide exact =
            DecimalText::Wide(amount.m_value) * percentages[i].millionths();
        shares[i] = Money(
            DecimalText::divideRounded(exact, DecimalText::Wide(Rate::Scale) * 100 * 1000) * 1000);
        given += shares[i];
    }
    if (!shares.empty())
        shares.back() = amount - given;
    return shares;
}

std::vector<Money> Money::allocate(Money total, const std::vector<qint64> &weights, Money unit)
{
    std::vector<Money> parts(weights.size());
    if (weights.empty())
        return parts;
    if (unit.m_value <= 0)
        throw std::invalid_argument("allocation unit must be positive");
    DecimalText::Wide weightSum = 0;
    for (qint64 w : weights) {
        if (w < 0)
            throw std::invalid_argument("allocation weights must not be negative");
        weightSum += w;
    }
    if (weightSum == 0)
        throw std::invalid_argument("allocation weights must not all be zero");

    const bool negative = total.m_value < 0;
    const qint64 magnitude = negative ? -total.m_value : total.m_value;
    const qint64 units = magnitude / unit.m_value;
    const qint64 residue = magnitude % unit.m_value;

    // Largest-remainder method over whole units.
    std::vector<DecimalText::Wide> remainders(weights.size());
    qint64 given = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        const DecimalText::Wide exact = DecimalText::Wide(units) * weights[i];
        const qint64 share = static_cast<qint64>(exact / weightSum);
        remainders[i] = exact % weightSum;
        parts[i] = Money(share * unit.m_value);
        given += share;
    }
    std::vector<size_t> order(weights.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return remainders[a] > remainders[b]; });
    for (qint64 left = units - given, k = 0; left > 0; --left, ++k)
        parts[order[size_t(k) % order.size()]].m_value += unit.m_value;

    const auto largest = std::max_element(weights.begin(), weights.end()) - weights.begin();
    parts[size_t(largest)].m_value += residue;
    if (negative)
        for (Money &p : parts)
            p.m_value = -p.m_value;
    return parts;
}
