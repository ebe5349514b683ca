#pragma once

#include <QString>
#include <stdexcept>

// A report that cannot be produced as asked: a layout that does not parse, a field the data
// lacks, a filter that does not read. The message is written for the user.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString &message() const { return m_message; }

private:
    QString m_message;
};
