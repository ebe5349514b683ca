#pragma once

#include <QDate>
#include <QString>

class Db;

// Whether the books of a company may be written on a date. Every window and process that
// writes books asks here, inside its own transaction, so the rule lives in one place.
class PeriodService
{
public:
    enum class Status {
        Open,
        YearClosed,      // the date falls in a fiscal year already closed
        NoPeriod,        // the year has no PERIODO row for the company, or the date is null
        Blocked,         // the month's PERIODO flag is set (administrators may still work)
        CompanyInactive, // EMPRESA.Status is 0, or the company does not exist
    };

    explicit PeriodService(Db &db);

    // The answer for `user` (whose groups decide whether a blocked month stops him). The
    // refusals are checked in the order of the enumeration, but an unknown company is
    // answered CompanyInactive at once.
    Status status(const QString &company, const QString &headOffice, QDate date,
                  const QString &user) const;

    // Last day of the company's last closed fiscal year; null when none has been closed.
    QDate closedUntil(const QString &company, const QString &headOffice) const;
    // The company's closing month (1-12); 12 when the company is unknown.
    int closingMonth(const QString &company, const QString &headOffice) const;
    // Whether the month of `date` is blocked for everybody, without regard to the user.
    bool monthBlocked(const QString &company, const QString &headOffice, QDate date) const;

private:
    Db &m_db;
};
