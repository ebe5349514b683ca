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

namespace {

// The separators of the last locale asked for: a listing formats thousands of amounts in one.
struct Separators
{
    QLocale locale;
    QString group, decimal, minus;

    static const Separators &of(const QLocale &locale)
    {
        thread_local Separators known{QLocale::c(), {}, {}, {}};
        thread_local bool filled = false;
        if (!filled || !(known.locale == locale)) {
            known = {locale, locale.groupSeparator(), locale.decimalPoint(),
                     locale.negativeSign()};
            filled = true;
        }
        return known;
    }
};

} // namespace

QString FieldFormatter::amount(qint64 thousandths, const QLocale &locale)
{
    const Separators &s = Separators::of(locale);
    const bool negative = thousandths < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(thousandths) : quint64(thousandths);
    quint64 cents = (magnitude + 5) / 10;
    // Written backwards into a buffer wide enough for any qint64 with its separators.
    char16_t buffer[64];
    char16_t *end = buffer + 64;
    char16_t *p = end;
    const auto put = [&p](const QString &text) {
        for (qsizetype i = text.size(); i-- > 0;)
            *--p = text[i].unicode();
    };
    *--p = char16_t(u'0' + cents % 10);
    *--p = char16_t(u'0' + cents / 10 % 10);
    put(s.decimal);
    quint64 whole = cents / 100;
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            put(s.group);
        *--p = char16_t(u'0' + whole % 10);
        whole /= 10;
        ++digits;
    } while (whole > 0);
    if (negative && cents > 0)
        put(s.minus);
    return QString(reinterpret_cast<const QChar *>(p), end - p);
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
        if (how.pattern.isEmpty() || how.pattern == QLatin1String("dd/MM/yyyy")) {
            // The pattern of nearly every date printed, without the general formatter.
            const int y = d.year(), m = d.month(), day = d.day();
            if (y >= 1000 && y <= 9999) {
                const char16_t digits[10] = {
                    char16_t(u'0' + day / 10), char16_t(u'0' + day % 10), u'/',
                    char16_t(u'0' + m / 10),   char16_t(u'0' + m % 10),   u'/',
                    char16_t(u'0' + y / 1000), char16_t(u'0' + y / 100 % 10),
                    char16_t(u'0' + y / 10 % 10), char16_t(u'0' + y % 10)};
                text = QString(reinterpret_cast<const QChar *>(digits), 10);
                break;
            }
        }
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
