#include "calendar/PeriodService.h"

#include "calendar/FiscalYear.h"
#include "calendar/PeriodMonths.h"
#include "platform/Db.h"
#include "shell/UserRights.h"

namespace {

const QString CompanyRow =
    QStringLiteral("SELECT Mes, Ano, Status FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ?");

} // namespace

PeriodService::PeriodService(Db &db)
    : m_db(db)
{
}

int PeriodService::closingMonth(const QString &company, const QString &headOffice) const
{
    const auto rows = m_db.rows(CompanyRow, {company, headOffice});
    const int month = rows.empty() ? 12 : rows.front().value(0).toInt();
    return month >= 1 && month <= 12 ? month : 12;
}

QDate PeriodService::closedUntil(const QString &company, const QString &headOffice) const
{
    const auto rows = m_db.rows(CompanyRow, {company, headOffice});
    if (rows.empty())
        return {};
    const int closedYear = rows.front().value(1).toInt();
    if (closedYear <= 0)
        return {};
    return FiscalYear::endingIn(closedYear, rows.front().value(0).toInt()).last;
}

bool PeriodService::monthBlocked(const QString &company, const QString &headOffice,
                                 QDate date) const
{
    const QString column = PeriodMonths::Column(date.month());
    if (column.isEmpty())
        return false;
    return m_db.scalar(QStringLiteral("SELECT %1 FROM PERIODO WHERE Empresa = ? AND Matriz = ? "
                                      "AND Ano = ?")
                           .arg(column),
                       {company, headOffice, date.year()})
               .toInt() == 1;
}

PeriodService::Status PeriodService::status(const QString &company, const QString &headOffice,
                                            QDate date, const QString &user) const
{
    const auto companyRows = m_db.rows(CompanyRow, {company, headOffice});
    if (companyRows.empty())
        return Status::CompanyInactive;
    if (!date.isValid())
        return Status::NoPeriod;

    const int closedYear = companyRows.front().value(1).toInt();
    if (closedYear > 0 &&
        date <= FiscalYear::endingIn(closedYear, companyRows.front().value(0).toInt()).last)
        return Status::YearClosed;

    const QString column = PeriodMonths::Column(date.month());
    const auto period =
        m_db.rows(QStringLiteral("SELECT %1 FROM PERIODO WHERE Empresa = ? AND Matriz = ? "
                                 "AND Ano = ?")
                      .arg(column),
                  {company, headOffice, date.year()});
    if (period.empty())
        return Status::NoPeriod;
    if (period.front().value(0).toInt() == 1 && !UserRights::IsAdministrator(m_db, user))
        return Status::Blocked;
    // Checked last: the working period of an inactive company may still be chosen (for its
    // reports), while everything that writes refuses it.
    if (companyRows.front().value(2).toInt() == 0)
        return Status::CompanyInactive;
    return Status::Open;
}
