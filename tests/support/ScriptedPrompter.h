#pragma once

#include "common/Prompter.h"

#include <QStringList>
#include <deque>
#include <variant>
#include <vector>

// Prompter for tests: records every message and answers questions and inputs from a queue.
// An unexpected question (empty queue) throws, so a test never hangs on a dialog.
class ScriptedPrompter : public Prompter
{
public:
    enum class Kind { Info, Warning, Error, Question, Input };
    struct Message
    {
        Kind kind;
        QString text;
        QString title;
        bool defaultYes = true; // questions: whether Enter would answer Yes
    };

    void answerYes() { m_answers.emplace_back(true); }
    void answerNo() { m_answers.emplace_back(false); }
    void answerText(const QString &text) { m_answers.emplace_back(text); }
    void answerCancel() { m_answers.emplace_back(std::monostate{}); }

    void info(const QString &text, const QString &title = DefaultTitle) override;
    void warning(const QString &text, const QString &title = DefaultTitle) override;
    void error(const QString &text, const QString &title = DefaultTitle) override;
    bool question(const QString &text, const QString &title = DefaultTitle,
                  bool defaultYes = true) override;
    std::optional<QString> input(const QString &text, const QString &title,
                                 const QString &initial = {}, bool secret = false) override;

    const std::vector<Message> &messages() const { return m_messages; }
    QStringList texts() const;
    QString lastText() const { return m_messages.empty() ? QString() : m_messages.back().text; }
    bool pendingAnswers() const { return !m_answers.empty(); }
    void clear() { m_messages.clear(); m_answers.clear(); }

private:
    std::variant<std::monostate, bool, QString> nextAnswer(const QString &text);

    std::vector<Message> m_messages;
    std::deque<std::variant<std::monostate, bool, QString>> m_answers;
};
