#include "periods/PeriodChange.h"

#include "calendar/PeriodService.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "common/ShellHost.h"
#include "platform/Db.h"

namespace {

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

PeriodChange::PeriodChange(Session &session, QDate today)
    : m_session(session)
    , m_today(today)
{
}

QString PeriodChange::initialMonth() const
{
    return QString::number(m_session.gMes != 0 ? m_session.gMes : m_today.month());
}

QString PeriodChange::initialYear() const
{
    return QString::number(m_session.gMes != 0 ? m_session.gAno : m_today.year());
}

PeriodChange::Result PeriodChange::check(int month, int year) const
{
    Prompter &prompt = m_session.prompt();
    const QString invalid = QStringLiteral("¡Periodo invalido!");
    if (year > m_today.year() || (year == m_today.year() && month > m_today.month())) {
        prompt.warning(invalid);
        return Result::Invalid;
    }

    // Months past the twelfth count on into the next year, so that only a real month of a
    // closed fiscal year gets the closing message; the range itself is refused below.
    const QDate firstDay = QDate(year, 1, 1).addMonths(month - 1);
    const PeriodService periods(m_session.db());
    const auto status =
        periods.status(m_session.gEmpresa, m_session.gMatriz, firstDay, m_session.gUsuario);
    if (status == PeriodService::Status::YearClosed) {
        prompt.warning(QStringLiteral(
            "¡No puede cambiar al periodo seleccionado! El cierre se realizo en ese periodo!"));
        return Result::YearClosed;
    }
    if (!m_session.db().exists(QStringLiteral("SELECT 1 FROM PERIODO WHERE Empresa = ? AND "
                                              "Matriz = ? AND Ano = ?"),
                               {m_session.gEmpresa, m_session.gMatriz, year})) {
        prompt.warning(invalid);
        return Result::Invalid;
    }
    if (month < 1 || month > 12)
        return Result::MonthOutOfRange;
    if (status == PeriodService::Status::Blocked) {
        prompt.warning(QStringLiteral("¡Periodo bloqueado!"));
        return Result::Blocked;
    }
    return Result::Changed;
}

PeriodChange::Result PeriodChange::CambiarPeriodo(const QString &monthText, const QString &yearText)
{
    Prompter &prompt = m_session.prompt();
    const QString monthTyped = monthText.trimmed();
    const QString yearTyped = yearText.trimmed();
    const QString empty = QStringLiteral("¡El campo no debe estar vacio!");
    if (monthTyped.isEmpty()) {
        prompt.warning(empty);
        return Result::EmptyMonth;
    }
    if (yearTyped.isEmpty()) {
        prompt.warning(empty);
        return Result::EmptyYear;
    }
    const auto month = number(monthTyped);
    const auto year = number(yearTyped);
    const QString notNumeric = QStringLiteral("¡Campo debe ser tipo numerico!");
    if (!month) {
        prompt.warning(notNumeric);
        return Result::MonthNotNumeric;
    }
    if (!year) {
        prompt.warning(notNumeric);
        return Result::YearNotNumeric;
    }

    const Result result = check(*month, *year);
    if (result != Result::Changed)
        return result;
    m_session.gMes = qint16(*month);
    m_session.gAno = qint16(*year);
    if (m_session.host)
        m_session.host->setUserPanel(m_session.userPeriodText());
    return Result::Changed;
}
