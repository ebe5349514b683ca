#include "support/ScriptedPrompter.h"

#include <stdexcept>

void ScriptedPrompter::info(const QString &text, const QString &title)
{
    m_messages.push_back({Kind::Info, text, title});
}

void ScriptedPrompter::warning(const QString &text, const QString &title)
{
    m_messages.push_back({Kind::Warning, text, title});
}

void ScriptedPrompter::error(const QString &text, const QString &title)
{
    m_messages.push_back({Kind::Error, text, title});
}

std::variant<std::monostate, bool, QString> ScriptedPrompter::nextAnswer(const QString &text)
{
    if (m_answers.empty())
        throw std::logic_error("unexpected question: " + text.toStdString());
    auto answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool ScriptedPrompter::question(const QString &text, const QString &title, bool defaultYes)
{
    m_messages.push_back({Kind::Question, text, title, defaultYes});
    const auto answer = nextAnswer(text);
    if (const bool *b = std::get_if<bool>(&answer))
        return *b;
    throw std::logic_error("question answered with something else: " + text.toStdString());
}

std::optional<QString> ScriptedPrompter::input(const QString &text, const QString &title,
                                               const QString &, bool)
{
    m_messages.push_back({Kind::Input, text, title});
    const auto answer = nextAnswer(text);
    if (const QString *s = std::get_if<QString>(&answer))
        return *s;
    if (std::holds_alternative<std::monostate>(answer))
        return std::nullopt;
    throw std::logic_error("input answered with yes/no: " + text.toStdString());
}

QStringList ScriptedPrompter::texts() const
{
    QStringList result;
    for (const Message &m : m_messages)
        result << m.text;
    return result;
}
