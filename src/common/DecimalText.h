#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class QLocale;

// Reading and writing fixed-point decimals shared by Money and Rate.
namespace DecimalText {
// 128-bit intermediate for products of amounts and rates; a GCC/Clang extension.
__extension__ typedef __int128 Wide;

// Parses into a count of 10^-scaleDigits units. `decimal` and `group` are the separators;
// an empty group means no grouping is accepted. Too many decimals or stray characters fail.
std::optional<qint64> parse(QString text, QChar decimal, const QString &group, int scaleDigits);
std::optional<qint64> parseLocale(const QString &text, const QLocale &locale, int scaleDigits);
// Accepts "," or "." as the decimal separator and no grouping.
std::optional<qint64> parseTyped(const QString &text, int scaleDigits);
// Rounds a scaled value to `decimals` places (half away from zero) and formats it.
QString format(qint64 scaled, int scaleDigits, int decimals, const QLocale &locale);
QString formatPlain(qint64 scaled, int scaleDigits, int decimals);
// value / divisor rounded half away from zero (divisor > 0).
qint64 divideRounded(Wide value, Wide divisor);
} // namespace DecimalText
