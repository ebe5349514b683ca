#include "ledger/accounts/AccountCodeStructure.h"

#include "common/grid/CodeQueries.h"

#include <algorithm>

namespace {
// Characters before the segment of each level.
constexpr int PrefixLength[AccountCodeStructure::LevelCount + 1] = {0, 0, 1, 2, 4, 6};

bool digitsOnly(const QString &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}
} // namespace

AccountCodeStructure::AccountCodeStructure(int accountDigits)
    : m_digits(std::max(accountDigits, 0))
{
}

AccountCodeStructure AccountCodeStructure::load(Db &db)
{
    return AccountCodeStructure(AccountDigits(db));
}

int AccountCodeStructure::minSegmentLength(int level) const
{
    if (level < 1 || level > LevelCount)
        return 0;
    return level <= 2 ? 1 : 2;
}

int AccountCodeStructure::maxSegmentLength(int level) const
{
    switch (level) {
    case 1:
    case 2:
        return 1;
    case 3:
    case 4:
        return 2;
    case 5: {
        const int room = MaxCodeLength - PrefixLength[5];
        return m_digits > 0 ? std::clamp(m_digits - PrefixLength[5], 0, room) : room;
    }
    default:
        return 0;
    }
}

int AccountCodeStructure::codeLength(int level) const
{
    if (level < 1 || level > LevelCount)
        return 0;
    return PrefixLength[level] + maxSegmentLength(level);
}

int AccountCodeStructure::levelOf(const QString &code) const
{
    if (code.isEmpty() || !digitsOnly(code))
        return 0;
    for (int level = 1; level <= LevelCount; ++level) {
        const int segment = int(code.size()) - PrefixLength[level];
        if (segment >= minSegmentLength(level) && segment <= maxSegmentLength(level))
            return level;
    }
    return 0;
}

QString AccountCodeStructure::ancestor(const QString &code, int level) const
{
    if (level < 1 || level > LevelCount - 1)
        return code;
    return code.left(PrefixLength[level + 1]);
}

QStringList AccountCodeStructure::segments(const QString &code) const
{
    QStringList parts;
    for (int level = 1; level <= LevelCount && PrefixLength[level] < code.size(); ++level) {
        const int end = level < LevelCount ? PrefixLength[level + 1] : int(code.size());
        parts << code.mid(PrefixLength[level], end - PrefixLength[level]);
    }
    return parts;
}

AccountCodeStructure::SegmentError AccountCodeStructure::checkSegment(int level,
                                                                      const QString &segment) const
{
    const QString s = segment.trimmed();
    if (s.isEmpty())
        return SegmentError::Empty;
    if (!digitsOnly(s))
        return SegmentError::NotNumeric;
    if (s.size() < minSegmentLength(level))
        return SegmentError::TooShort;
    if (s.size() > maxSegmentLength(level))
        return SegmentError::TooLong;
    return SegmentError::None;
}

QString AccountCodeStructure::message(SegmentError error, int level)
{
    switch (error) {
    case SegmentError::None:
        return {};
    case SegmentError::Empty:
        return QStringLiteral("¡Codigo no puede estar en blanco!");
    case SegmentError::NotNumeric:
        // Level 1 has always said it with the exclamation marks together.
        return level == 1 ? QStringLiteral("¡!Codigo debe ser tipo numerico")
                          : QStringLiteral("¡Codigo debe ser tipo numerico!");
    case SegmentError::TooShort:
    case SegmentError::TooLong:
        return QStringLiteral("¡Longitud de codigo invalido!");
    }
    return {};
}
