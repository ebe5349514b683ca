#include "periods/PeriodGeneration.h"

#include "calendar/PeriodMonths.h"
#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/Transaction.h"

#include <algorithm>

namespace {

const QString &NotAllowedText = OptionRights::NotAllowedText;

int copyCounters(Db &db, int year)
{
    const QString insert = QStringLiteral("INSERT INTO CORRCOMPROBANTE (CodigoComprobante,Empresa,"
                                          "Matriz,Continuo,%1,Ano,NumeroContinuo) ")
                               .arg(PeriodMonths::ColumnList());
    const QString missing =
        QStringLiteral("NOT EXISTS (SELECT 1 FROM CORRCOMPROBANTE N WHERE N.CodigoComprobante = %1 "
                       "AND N.Empresa = %2 AND N.Matriz = %3 AND N.Ano = ?)");
    // The months restart at zero; a continuous counter keeps running across years.
    int inserted =
        db.exec(insert +
                    QStringLiteral("SELECT P.CodigoComprobante,P.Empresa,P.Matriz,P.Continuo,"
                                   "0,0,0,0,0,0,0,0,0,0,0,0,CAST(? AS INTEGER),P.NumeroContinuo "
                                   "FROM CORRCOMPROBANTE P WHERE P.Ano = ? AND ") +
                    missing.arg("P.CodigoComprobante", "P.Empresa", "P.Matriz"),
                {year, year - 1, year});
    // Types and companies the previous year did not know start from zero.
    inserted += db.exec(insert +
                            QStringLiteral("SELECT C.Codigo,E.Codigo,E.CodigoMatriz,0,"
                                           "0,0,0,0,0,0,0,0,0,0,0,0,CAST(? AS INTEGER),0 "
                                           "FROM COMPROBANTE C CROSS JOIN EMPRESA E WHERE ") +
                            missing.arg("C.Codigo", "E.Codigo", "E.CodigoMatriz"),
                        {year, year});
    return inserted;
}

int copyPeriods(Db &db, int year)
{
    const QString insert = QStringLiteral("INSERT INTO PERIODO (Empresa,Matriz,%1,Ano) ")
                               .arg(PeriodMonths::ColumnList());
    const QString missing = QStringLiteral("NOT EXISTS (SELECT 1 FROM PERIODO N WHERE N.Empresa = "
                                           "%1 AND N.Matriz = %2 AND N.Ano = ?)");
    // A new year is always open, whatever was blocked in the previous one.
    int inserted =
        db.exec(insert +
                    QStringLiteral("SELECT P.Empresa,P.Matriz,0,0,0,0,0,0,0,0,0,0,0,0,"
                                   "CAST(? AS INTEGER) FROM PERIODO P WHERE P.Ano = ? AND ") +
                    missing.arg("P.Empresa", "P.Matriz"),
                {year, year - 1, year});
    inserted += db.exec(insert +
                            QStringLiteral("SELECT E.Codigo,E.CodigoMatriz,0,0,0,0,0,0,0,0,0,0,0,0,"
                                           "CAST(? AS INTEGER) FROM EMPRESA E WHERE ") +
                            missing.arg("E.Codigo", "E.CodigoMatriz"),
                        {year, year});
    return inserted;
}

// TRM and IPC share their shape; the table and value column come from the two calls below.
int copyMonthlyValues(Db &db, const QString &table, const QString &valueColumn, int year)
{
    return db.exec(QStringLiteral("INSERT INTO %1 (Ano,Mes,%2) "
                                  "SELECT CAST(? AS INTEGER),P.Mes,P.%2 FROM %1 P WHERE P.Ano = ? "
                                  "AND NOT EXISTS (SELECT 1 FROM %1 N WHERE N.Ano = ? "
                                  "AND N.Mes = P.Mes)")
                       .arg(table, valueColumn),
                   {year, year - 1, year});
}

} // namespace

PeriodGeneration::PeriodGeneration(Session &session, QDate today, QString node)
    : m_session(session)
    , m_today(today)
    , m_node(std::move(node))
{
}

int PeriodGeneration::suggestedYear() const
{
    const QVariant last = m_session.db().scalar(QStringLiteral("SELECT MAX(Ano) FROM PERIODO"));
    return last.isNull() ? m_today.year() : last.toInt() + 1;
}

PeriodGeneration::Counts PeriodGeneration::PrepareYear(Db &db, int year, const Progress &progress)
{
    auto report = [&](const char *label, int done) {
        if (progress)
            progress(QString::fromUtf8(label), done, Stages);
    };
    Transaction tx(db);
    Counts counts;
    report("Generando correlativos de comprobantes...", 0);
    counts.counters = copyCounters(db, year);
    report("Generando periodos...", 1);
    counts.periods = copyPeriods(db, year);
    report("Generando tasa representativa...", 2);
    counts.rates = copyMonthlyValues(db, QStringLiteral("TRM"), QStringLiteral("Valor"), year);
    report("Generando I.P.C ...", 3);
    counts.indexes =
        copyMonthlyValues(db, QStringLiteral("IPC"), QStringLiteral("Porcentaje"), year);
    tx.commit();
    if (progress)
        progress(QString(), Stages, Stages);
    return counts;
}

PeriodGeneration::Result PeriodGeneration::GenerarPeriodo(const QString &yearText,
                                                          const Progress &progress)
{
    Prompter &prompt = m_session.prompt();
    Db &db = m_session.db();
    if (!OptionRights::MayUse(db, m_session.gUsuario, m_node, QStringLiteral("Aprobar"))) {
        prompt.warning(NotAllowedText);
        return Result::NotAllowed;
    }
    const QString text = yearText.trimmed();
    const bool digits =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool fits = false;
    const int year = text.toInt(&fits);
    if (text.size() < 4 || !digits || !fits || year <= 0) {
        prompt.warning(QStringLiteral("Introduzca un año valido...!"));
        return Result::InvalidYear;
    }
    if (!prompt.question(QStringLiteral("Desea generar el periodo contable..?")))
        return Result::Declined;
    try {
        PrepareYear(db, year, progress);
    } catch (const DbError &e) {
        prompt.error(QStringLiteral("No se pudo generar el periodo contable.\n") + e.userText());
        return Result::Failed;
    }
    prompt.info(QStringLiteral("Periodo generado con exito.. !"));
    return Result::Generated;
}
