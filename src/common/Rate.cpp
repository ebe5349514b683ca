#include "common/Rate.h"

#include "common/DecimalText.h"

#include <QLocale>
#include <stdexcept>

namespace {
constexpr int scaleDigits = 6;
}

Rate Rate::fromSql(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QString) {
        const auto parsed = DecimalText::parse(value.toString(), QLatin1Char('.'), {}, 0);
        if (!parsed)
            throw std::invalid_argument("not a rate: " + value.toString().toStdString());
        return Rate(*parsed);
    }
    return Rate(value.toLongLong());
}

std::optional<Rate> Rate::parse(const QString &text, const QLocale &locale)
{
    const auto v = DecimalText::parseLocale(text, locale, scaleDigits);
    return v ? std::optional<Rate>(Rate(*v)) : std::nullopt;
}

std::optional<Rate> Rate::parseTyped(const QString &text)
{
    const auto v = DecimalText::parseTyped(text, scaleDigits);
    return v ? std::optional<Rate>(Rate(*v)) : std::nullopt;
}

QString Rate::format(const QLocale &locale, int decimals) const
{
    return DecimalText::format(m_value, scaleDigits, qBound(0, decimals, scaleDigits), locale);
}
