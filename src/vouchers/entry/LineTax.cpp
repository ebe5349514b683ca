#include "vouchers/entry/LineTax.h"

#include "common/DecimalText.h"

namespace LineTax {

Rate rateFor(const QString &account, const Rate &inForce)
{
    const QString code = account.trimmed();
    static const QStringList sixteen{"240825", "240826", "240827"};
    static const QStringList ten{"240815", "240816"};
    static const QStringList nine{"240817", "240819", "240821", "240823"};
    static const QStringList seven{"240818", "240820", "240822", "240824"};
    if (sixteen.contains(code))
        return Rate::fromInteger(16);
    if (ten.contains(code))
        return Rate::fromInteger(10);
    if (nine.contains(code))
        return Rate::fromInteger(9);
    if (seven.contains(code))
        return Rate::fromInteger(7);
    return inForce;
}

Money retention(Money amount, const RetentionTerms &terms, bool reduceToBase, const Rate &taxRate)
{
    using DecimalText::Wide;
    constexpr Wide Hundred = Wide(100) * Rate::Scale;
    // taxable = a·base / D − deduction, with D = 100·S (+ tax rate when reduced to the base);
    // retained = taxable · percentage / (100·S). Kept as one fraction until the final cents.
    const Wide d = reduceToBase ? Hundred + taxRate.millionths() : Hundred;
    const Wide numerator =
        (Wide(amount.thousandths()) * terms.base.millionths() - Wide(terms.deduction.thousandths()) * d) *
        terms.percentage.millionths();
    if (numerator <= 0)
        return {};
    // Thousandths to cents: one more factor of ten.
    return Money::fromCents(qint64(DecimalText::divideRounded(numerator, d * Hundred * 10)));
}

QString retentionDocumentType(const QString &lineDocumentType)
{
    const QString type = lineDocumentType.trimmed().toUpper();
    if (type.isEmpty() || type == QLatin1String("*"))
        return QStringLiteral("*");
    if (type == QLatin1String("NC") || type == QLatin1String("CN"))
        return QStringLiteral("NC");
    return QStringLiteral("FR");
}

} // namespace LineTax
