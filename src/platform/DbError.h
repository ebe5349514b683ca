#pragma once

#include <QString>
#include <stdexcept>

// A failed database operation: what we tried, the statement and the engine's own words.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &message, const QString &statement = {},
                     const QString &engineMessage = {});

    const QString &message() const { return m_message; }
    const QString &statement() const { return m_statement; }
    const QString &engineMessage() const { return m_engineMessage; }

    // Text for the user: the message and, when there is one, the engine's explanation.
    QString userText() const;

private:
    QString m_message;
    QString m_statement;
    QString m_engineMessage;
};
