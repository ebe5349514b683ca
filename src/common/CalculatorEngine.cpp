#include "common/CalculatorEngine.h"

#include "common/DecimalText.h"

#include <limits>

namespace {
constexpr qint64 scale = 1000000;
constexpr int places = 6;

bool fits(DecimalText::Wide v)
{
    return v <= std::numeric_limits<qint64>::max() && v >= -std::numeric_limits<qint64>::max();
}
} // namespace

qint64 CalculatorEngine::currentValue() const
{
    return DecimalText::parse(m_entry, QLatin1Char('.'), {}, places).value_or(0);
}

void CalculatorEngine::setValue(qint64 millionths)
{
    QString text = DecimalText::formatPlain(millionths, places, places);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    m_entry = text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

void CalculatorEngine::digit(int d)
{
    if (m_error || d < 0 || d > 9)
        return;
    if (!m_typing) {
        m_entry = QStringLiteral("0");
        m_typing = true;
    }
    const int decimals = m_entry.contains(QLatin1Char('.'))
                             ? int(m_entry.size() - m_entry.indexOf(QLatin1Char('.')) - 1)
                             : 0;
    if (decimals >= places || m_entry.size() >= 20)
        return;
    m_entry = (m_entry == QLatin1String("0") ? QString() : m_entry) + QString::number(d);
    if (m_entry.startsWith(QLatin1Char('.')))
        m_entry.prepend(QLatin1Char('0'));
}

void CalculatorEngine::point()
{
    if (m_error)
        return;
    if (!m_typing) {
        m_entry = QStringLiteral("0");
        m_typing = true;
    }
    if (!m_entry.contains(QLatin1Char('.')))
        m_entry += QLatin1Char('.');
}

void CalculatorEngine::toggleSign()
{
    if (m_error || m_entry == QLatin1String("0"))
        return;
    m_entry = m_entry.startsWith(QLatin1Char('-')) ? m_entry.mid(1)
                                                   : QLatin1Char('-') + m_entry;
}

void CalculatorEngine::apply()
{
    const qint64 value = currentValue();
    DecimalText::Wide result = value;
    switch (m_pending) {
    case '+':
        result = DecimalText::Wide(m_accumulator) + value;
        break;
    case '-':
        result = DecimalText::Wide(m_accumulator) - value;
        break;
    case '*':
        result = DecimalText::divideRounded(DecimalText::Wide(m_accumulator) * value, scale);
        break;
    case '/':
        if (value == 0) {
            m_error = true;
            return;
        }
        result = DecimalText::divideRounded(DecimalText::Wide(m_accumulator) * scale, value);
        break;
    default:
        break;
    }
    if (!fits(result)) {
        m_error = true;
        return;
    }
    m_accumulator = qint64(result);
    setValue(m_accumulator);
}

void CalculatorEngine::operation(char op)
{
    if (m_error)
        return;
    if (m_typing || m_pending == 0)
        apply();
    m_pending = op;
    m_typing = false;
}

void CalculatorEngine::equals()
{
    if (m_error)
        return;
    apply();
    m_pending = 0;
    m_typing = false;
}

void CalculatorEngine::clear()
{
    m_entry = QStringLiteral("0");
    m_typing = false;
    m_accumulator = 0;
    m_pending = 0;
    m_error = false;
}

void CalculatorEngine::clearEntry()
{
    if (m_error) {
        clear();
        return;
    }
    m_entry = QStringLiteral("0");
    m_typing = true;
}

void CalculatorEngine::backspace()
{
    if (m_error || !m_typing)
        return;
    m_entry.chop(1);
    if (m_entry.isEmpty() || m_entry == QLatin1String("-"))
        m_entry = QStringLiteral("0");
}

void CalculatorEngine::memoryRecall()
{
    if (m_error)
        return;
    setValue(m_memory);
    m_typing = false;
}

void CalculatorEngine::memoryAdd()
{
    if (!m_error)
        m_memory += currentValue();
}

void CalculatorEngine::memorySubtract()
{
    if (!m_error)
        m_memory -= currentValue();
}

QString CalculatorEngine::display() const
{
    return m_error ? QStringLiteral("Error") : m_entry;
}
