#pragma once

#include <QDate>
#include <QString>

struct Session;

// Moving the session to another working month and year, when the company's books allow it.
class PeriodChange
{
public:
    enum class Result {
        Changed,
        EmptyMonth, // "¡El campo no debe estar vacio!"
        EmptyYear,
        MonthNotNumeric, // "¡Campo debe ser tipo numerico!"
        YearNotNumeric,
        Invalid,         // "¡Periodo invalido!": in the future, or the year has no periods
        YearClosed,      // within a fiscal year that has been closed
        MonthOutOfRange, // refused without a message
        Blocked,         // "¡Periodo bloqueado!", for users who are not administrators
    };

    // `today` decides which periods lie in the future.
    explicit PeriodChange(Session &session, QDate today = QDate::currentDate());

    // What the fields show on opening: the working period, or this month when none is set.
    QString initialMonth() const;
    QString initialYear() const;

    // Checks the period typed and, when it is allowed, makes it the working period and
    // rewrites the main window's user panel. Refusals leave the session as it was.
    Result CambiarPeriodo(const QString &monthText, const QString &yearText);

private:
    Result check(int month, int year) const;

    Session &m_session;
    QDate m_today;
};
