#include "periods/PeriodBlocking.h"

#include "calendar/PeriodMonths.h"
#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/Transaction.h"

PeriodBlocking::PeriodBlocking(Session &session, QString node)
    : m_session(session)
    , m_node(std::move(node))
{
}

std::vector<PeriodBlocking::HeadOffice> PeriodBlocking::headOffices() const
{
    std::vector<HeadOffice> list;
    for (const QSqlRecord &r : m_session.db().rows(
             QStringLiteral("SELECT Codigo,Nombre FROM EMPRESA WHERE Tipo = 1 ORDER BY Codigo")))
        list.push_back({r.value(0).toString(), r.value(1).toString()});
    return list;
}

std::vector<PeriodFlags> PeriodBlocking::load(const QString &headOffice, int year) const
{
    const bool all = headOffice == AllCompanies;
    const QString filter =
        all ? QString() : QStringLiteral(" AND (E.CodigoMatriz = ? OR E.Codigo = ?)");
    QVariantList params{year};
    if (!all)
        params << headOffice << headOffice;
    params << year - 1 << year;
    if (!all)
        params << headOffice << headOffice;

    // Companies of the year before that the year lacks are shown open; their rows are
    // written only when the user saves.
    const QString sql =
        QStringLiteral("SELECT E.Codigo AS Codigo,E.Nombre,P.Matriz,%1,E.Tipo AS Tipo,1 "
                       "FROM EMPRESA E INNER JOIN PERIODO P ON E.Codigo = P.Empresa "
                       "WHERE P.Ano = ?%2 "
                       "UNION ALL "
                       "SELECT E.Codigo,E.Nombre,P.Matriz,0,0,0,0,0,0,0,0,0,0,0,0,E.Tipo,0 "
                       "FROM EMPRESA E INNER JOIN PERIODO P ON E.Codigo = P.Empresa "
                       "WHERE P.Ano = ? AND NOT EXISTS (SELECT 1 FROM PERIODO N "
                       "WHERE N.Empresa = P.Empresa AND N.Matriz = P.Matriz AND N.Ano = ?)%2 "
                       "ORDER BY Tipo DESC, Codigo")
            .arg(PeriodMonths::ColumnList(QStringLiteral("P.")), filter);

    std::vector<PeriodFlags> result;
    for (const QSqlRecord &r : m_session.db().rows(sql, params)) {
        PeriodFlags row;
        row.empresa = r.value(0).toString();
        row.nombre = r.value(1).toString();
        row.matriz = r.value(2).toString();
        for (int m = 0; m < 12; ++m)
            row.bloqueado[m] = r.value(3 + m).toInt() == 1; // NULL reads as open
        row.tipo = r.value(15).toInt();
        row.stored = r.value(16).toInt() == 1;
        result.push_back(std::move(row));
    }
    return result;
}

PeriodBlocking::Result PeriodBlocking::save(const QString &headOffice, int year,
                                            const std::vector<PeriodFlags> &rows,
                                            const Progress &progress)
{
    if (headOffice.trimmed().isEmpty() || rows.empty())
        return Result::NothingToSave;
    Db &db = m_session.db();
    Prompter &prompt = m_session.prompt();
    if (!OptionRights::MayUse(db, m_session.gUsuario, m_node, QStringLiteral("Guardar"))) {
        prompt.warning(OptionRights::NotAllowedText);
        return Result::NotAllowed;
    }
    QStringList columns{QStringLiteral("Empresa"), QStringLiteral("Matriz"), QStringLiteral("Ano")};
    columns += PeriodMonths::Columns();
    const QString upsert = db.dialect().upsert(
        QStringLiteral("PERIODO"), columns,
        {QStringLiteral("Empresa"), QStringLiteral("Matriz"), QStringLiteral("Ano")});
    try {
        Transaction tx(db);
        int done = 0;
        for (const PeriodFlags &row : rows) {
            // Each row keeps its own head office, so "all companies" saves every one of them.
            QVariantList params{row.empresa, row.matriz, year};
            for (bool blocked : row.bloqueado)
                params << (blocked ? 1 : 0);
            db.exec(upsert, params);
            if (progress)
                progress(++done, int(rows.size()));
        }
        tx.commit();
    } catch (const DbError &e) {
        prompt.error(QStringLiteral("No se pudo guardar el bloqueo de periodos.\n") + e.userText());
        return Result::Failed;
    }
    return Result::Saved;
}
