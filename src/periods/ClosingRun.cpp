#include "periods/ClosingRun.h"

#include "calendar/FiscalYear.h"
#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "common/ShellHost.h"
#include "periods/PeriodGeneration.h"
#include "periods/YearEndClosing.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "platform/Workstation.h"

ClosingRun::ClosingRun(Session &session, QDate today, QString node)
    : m_session(session)
    , m_today(today)
    , m_node(std::move(node))
{
    const auto rows = session.db().rows(
        QStringLiteral("SELECT Mes, Ano FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ?"),
        {session.gEmpresa, session.gMatriz});
    if (rows.empty())
        return;
    const int closingMonth = rows.front().value(0).toInt();
    const int closedYear = rows.front().value(1).toInt();
    // The year after the last closed one; a company never closed closes the year it works in.
    const FiscalYear year =
        closedYear > 0
            ? FiscalYear::endingIn(closedYear + 1, closingMonth)
            : FiscalYear::containing(QDate(session.gAno > 0 ? session.gAno : today.year(),
                                           session.gMes > 0 ? session.gMes : 1, 1),
                                     closingMonth);
    m_first = year.first;
    m_last = year.last;
}

bool ClosingRun::mayOpen()
{
    Prompter &prompt = m_session.prompt();
    if (!m_last.isValid())
        return false;
    if (m_first <= m_today)
        prompt.info(QStringLiteral("El cierre debe efectuarse un día Mayor o igual a el ") +
                    m_last.toString(QStringLiteral("dd/MM/yyyy")));
    if (m_session.gMes != m_last.month() || m_last > m_today) {
        prompt.warning(WrongMonthText);
        return false;
    }
    return true;
}

int ClosingRun::run()
{
    Prompter &prompt = m_session.prompt();
    Db &db = m_session.db();
    if (!OptionRights::MayUse(db, m_session.gUsuario, m_node, QStringLiteral("Aprobar"))) {
        prompt.warning(OptionRights::NotAllowedText);
        return -1;
    }
    if (!prompt.question(QuestionText))
        return -1;
    const int next = m_last.year() + 1;
    try {
        if (!db.exists(QStringLiteral("SELECT 1 FROM PERIODO WHERE Ano = ?"), {next})) {
            Transaction tx(db);
            PeriodGeneration::PrepareYear(db, next);
            tx.commit();
        }
    } catch (const DbError &e) {
        prompt.error(QStringLiteral("No se pudo preparar el año %1.\n").arg(next) + e.userText());
        return -1;
    }
    const int control = YearEndClosing::CierreDelEjercicio(db, m_first, m_last, m_session.gEmpresa,
                                                           m_session.gMatriz, m_session.gUsuario,
                                                           Workstation::LocalHostName());
    if (control == YearEndClosing::Closed) {
        prompt.info(YearEndClosing::message(control));
        const QDate opening = m_last.addDays(1);
        m_session.gMes = qint16(opening.month());
        m_session.gAno = qint16(opening.year());
        if (m_session.host)
            m_session.host->setUserPanel(m_session.userPeriodText());
    } else {
        prompt.info(YearEndClosing::message(control));
    }
    return control;
}

bool ClosingRun::reopen()
{
    Prompter &prompt = m_session.prompt();
    if (!prompt.question(ReopenQuestionText))
        return false;
    using YearEndClosing::Reopening;
    const Reopening result = YearEndClosing::ReabrirEjercicio(
        m_session.db(), m_session.gEmpresa, m_session.gMatriz, m_session.gUsuario,
        Workstation::LocalIpAddress(), Workstation::LocalHostName());
    switch (result) {
    case Reopening::Reopened:
        prompt.info(QStringLiteral("Ejercicio reabierto con éxito...!"));
        return true;
    case Reopening::NotAllowed:
        prompt.warning(OptionRights::NotAllowedText);
        return false;
    case Reopening::NothingClosed:
        prompt.warning(QStringLiteral("La empresa no tiene ejercicios cerrados."));
        return false;
    }
    return false;
}
