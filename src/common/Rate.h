#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>
#include <compare>
#include <optional>

class QLocale;

// An exact decimal with up to six places (exchange rates, percentages, price indexes),
// kept as a count of millionths.
class Rate
{
public:
    static constexpr qint64 Scale = 1000000;

    constexpr Rate() = default;
    static constexpr Rate fromMillionths(qint64 m) { return Rate(m); }
    static constexpr Rate fromInteger(qint64 n) { return Rate(n * Scale); }
    static Rate fromSql(const QVariant &value);

    // Same reading rules as Money::parse / Money::parseTyped, with up to six decimals.
    static std::optional<Rate> parse(const QString &text, const QLocale &locale);
    static std::optional<Rate> parseTyped(const QString &text);

    constexpr qint64 millionths() const { return m_value; }
    QVariant toSql() const { return QVariant::fromValue<qlonglong>(m_value); }
    constexpr bool isZero() const { return m_value == 0; }

    // With `decimals` places (0-6), rounded half away from zero, the locale's separators.
    QString format(const QLocale &locale, int decimals = 2) const;

    constexpr auto operator<=>(const Rate &) const = default;

private:
    constexpr explicit Rate(qint64 v) : m_value(v) {}
    qint64 m_value = 0;
};
