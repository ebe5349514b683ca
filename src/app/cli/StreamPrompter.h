#pragma once

#include "common/Prompter.h"

#include <QTextStream>

// For the book commands: messages meant for a window go to the error stream and questions
// take their default.
class StreamPrompter : public Prompter
{
public:
    explicit StreamPrompter(QTextStream &err)
        : m_err(err)
    {
    }
    void info(const QString &text, const QString &) override { m_err << text << "\n"; }
    void warning(const QString &text, const QString &) override { m_err << text << "\n"; }
    void error(const QString &text, const QString &) override { m_err << text << "\n"; }
    bool question(const QString &text, const QString &, bool defaultYes) override
    {
        m_err << text << "\n";
        return defaultYes;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &, bool) override
    {
        return std::nullopt;
    }

private:
    QTextStream &m_err;
};
