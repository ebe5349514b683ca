#include "platform/DbError.h"

namespace {
std::string composeWhat(const QString &message, const QString &statement, const QString &engine)
{
    QString text = message;
    if (!engine.isEmpty())
        text += QStringLiteral(": ") + engine;
    if (!statement.isEmpty())
        text += QStringLiteral(" [") + statement + QStringLiteral("]");
    return text.toStdString();
}
} // namespace

DbError::DbError(const QString &message, const QString &statement, const QString &engineMessage)
    : std::runtime_error(composeWhat(message, statement, engineMessage))
    , m_message(message)
    , m_statement(statement)
    , m_engineMessage(engineMessage)
{
}

QString DbError::userText() const
{
    if (m_engineMessage.isEmpty())
        return m_message;
    return m_message + QStringLiteral("\n") + m_engineMessage;
}
