#include "platform/report/FieldFormatter.h"

#include <cmath>
#include <limits>

namespace {

std::optional<qint64> parseDecimalText(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (text.front() == QLatin1Char('-') || text.front() == QLatin1Char('+')) {
        negative = text.front() == QLatin1Char('-');
        text = text.mid(1);
    }
    qint64 whole = 0;
    qsizetype i = 0;
    bool digits = false;
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 10 - 1;
    for (; i < text.size() && text[i].isDigit(); ++i) {
        if (whole > limit)
            return std::nullopt;
        whole = whole * 10 + text[i].digitValue();
        digits = true;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        bool roundUp = false;
        for (qsizetype first = i; i < text.size() && text[i].isDigit(); ++i) {
            if (i == first)
                roundUp = text[i].digitValue() >= 5;
            digits = true;
        }
        if (roundUp)
            ++whole;
    }
    if (!digits || i != text.size())
        return std::nullopt;
    return negative ? -whole : whole;
}

} // namespace

std::optional<qint64> FieldFormatter::wholeNumber(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Bool:
        return value.toLongLong();
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (!std::isfinite(d) || std::fabs(d) > 9e18)
            return std::nullopt;
        return qint64(std::llround(d));
    }
    case QMetaType::QString:
        return parseDecimalText(value.toString());
    case QMetaType::QByteArray:
        return parseDecimalText(QString::fromLatin1(value.toByteArray()));
    default:
        return std::nullopt;
    }
}

QString FieldFormatter::amount(qint64 thousandths, const QLocale &locale)
{
    const bool negative = thousandths < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(thousandths) : quint64(thousandths);
    const quint64 cents = (magnitude + 5) / 10;
    if (cents == 0)
        return QStringLiteral("0") + locale.decimalPoint() + QStringLiteral("00");
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString text = grouped.toString(qulonglong(cents / 100)) + locale.decimalPoint() +
                   QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
    return negative ? locale.negativeSign() + text : text;
}

bool FieldFormatter::holdsSomething(const QVariant &value)
{
    if (value.isNull())
        return false;
    switch (value.typeId()) {
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return false;
        const auto n = parseDecimalText(text);
        return !n || *n != 0 || text.contains(QLatin1Char('.'));
    }
    case QMetaType::QByteArray:
        return !value.toByteArray().isEmpty();
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return true;
    default: {
        const auto n = wholeNumber(value);
        return n ? *n != 0 : !value.toString().isEmpty();
    }
    }
}

QDate FieldFormatter::toDate(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    const QString text = value.toString().trimmed();
    if (text.size() == 8)
        return QDate::fromString(text, QStringLiteral("yyyyMMdd"));
    return QDate::fromString(text.left(10), Qt::ISODate);
}

QTime FieldFormatter::toTime(const QVariant &value)
{
    if (value.typeId() == QMetaType::QTime)
        return value.toTime();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().time();
    const QString text = value.toString().trimmed();
    if (text.size() > 10)
        return QTime::fromString(text.mid(11, 8), Qt::ISODate);
    return QTime::fromString(text, Qt::ISODate);
}

QString FieldFormatter::format(const QVariant &value, const ReportFormatting &how,
                               const QLocale &locale)
{
    QString text;
    switch (how.format) {
    case ReportFormat::Text:
        text = value.toString();
        break;
    case ReportFormat::Amount:
    case ReportFormat::Number: {
        const auto n = wholeNumber(value);
        if (!n)
            return value.toString();
        if (*n == 0 && how.blankWhenZero)
            return {};
        text = how.format == ReportFormat::Amount ? amount(*n, locale) : QString::number(*n);
        break;
    }
    case ReportFormat::Date: {
        const QDate d = toDate(value);
        if (!d.isValid())
            return {};
        text = d.toString(how.pattern.isEmpty() ? QStringLiteral("dd/MM/yyyy") : how.pattern);
        break;
    }
    case ReportFormat::Time: {
        const QTime t = toTime(value);
        if (!t.isValid())
            return {};
        text = t.toString(how.pattern.isEmpty() ? QStringLiteral("hh:mm AP") : how.pattern);
        break;
    }
    case ReportFormat::Flag:
        text = holdsSomething(value) ? how.yes : how.no;
        break;
    case ReportFormat::Choice: {
        const auto n = wholeNumber(value);
        if (n && *n >= 0 && *n < how.choices.size())
            text = how.choices[qsizetype(*n)];
        break;
    }
    }
    return how.upperCase ? text.toUpper() : text;
}
