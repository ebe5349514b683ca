#include "ledger/masterdata/Rif.h"

#include <QRegularExpression>

namespace Rif {

namespace {

const QRegularExpression &shape()
{
    static const QRegularExpression re(QStringLiteral("^([VEJPG])-?([0-9]{8})-?([0-9])$"));
    return re;
}

// The tax authority weighs the letter as a number of its own.
int letterValue(QChar letter)
{
    switch (letter.unicode()) {
    case 'V':
        return 1;
    case 'E':
        return 2;
    case 'J':
        return 3;
    case 'P':
        return 4;
    case 'G':
        return 5;
    default:
        return 0;
    }
}

} // namespace

bool LooksLikeRif(const QString &code)
{
    return shape().match(code.trimmed().toUpper()).hasMatch();
}

std::optional<int> CheckDigit(QChar letter, const QString &digits)
{
    const int value = letterValue(letter.toUpper());
    if (value == 0 || digits.size() != 8)
        return std::nullopt;
    static constexpr int weights[8] = {3, 2, 7, 6, 5, 4, 3, 2};
    int sum = value * 4;
    for (int i = 0; i < 8; ++i) {
        if (!digits[i].isDigit())
            return std::nullopt;
        sum += digits[i].digitValue() * weights[i];
    }
    const int digit = 11 - sum % 11;
    return digit >= 10 ? 0 : digit;
}

bool IsValid(const QString &code)
{
    const QRegularExpressionMatch m = shape().match(code.trimmed().toUpper());
    if (!m.hasMatch())
        return false;
    const std::optional<int> expected = CheckDigit(m.captured(1).at(0), m.captured(2));
    return expected && *expected == m.captured(3).toInt();
}

bool LacksCheckDigit(const QString &code)
{
    static const QRegularExpression re(QStringLiteral("^[VEJPG]-?[0-9]{8}-?$"));
    return re.match(code.trimmed().toUpper()).hasMatch();
}

std::optional<Holder> HolderOf(const QString &code)
{
    static const QRegularExpression re(QStringLiteral("^([VEJPGC])-?[0-9]"));
    const QRegularExpressionMatch m = re.match(code.trimmed().toUpper());
    if (!m.hasMatch())
        return std::nullopt;
    const QChar letter = m.captured(1).at(0);
    return letter == u'V' || letter == u'E' ? Holder::Natural : Holder::Legal;
}

} // namespace Rif
