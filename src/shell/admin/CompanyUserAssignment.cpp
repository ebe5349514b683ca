#include "shell/admin/CompanyUserAssignment.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "shell/UserRights.h"

#include <QSet>

QString CompanyUserAssignment::Company::caption() const
{
    if (tipo != 0)
        return nombre;
    return nombre + QStringLiteral(" (") + QStringLiteral("SUCURSAL") + QLatin1Char(' ') +
           nombreMatriz + QLatin1Char(')');
}

CompanyUserAssignment::CompanyUserAssignment(Session &session, QString node)
    : m_session(session)
    , m_access(session, std::move(node))
{
}

QString CompanyUserAssignment::UserLookupStatement()
{
    return QStringLiteral("SELECT U.CodUsuario AS Codigo, U.NombreUsuario AS Nombre, U.Status "
                          "FROM USUARIOS U WHERE U.Status = 1 AND U.CodUsuario NOT IN "
                          "(SELECT CodUsuario FROM USUARIOGRUPO WHERE CodGrupo IN (?, ?)) "
                          "ORDER BY U.CodUsuario");
}

QVariantList CompanyUserAssignment::UserLookupParameters()
{
    return {UserRights::SystemsGroup, UserRights::SuperGroup};
}

std::vector<CompanyUserAssignment::Company>
CompanyUserAssignment::companies(const QString &user) const
{
    Db &db = m_session.db();
    QSet<QString> assigned;
    for (const QSqlRecord &r : db.rows(QStringLiteral("SELECT Empresa, Matriz FROM USUARIOEMPRESA "
                                                      "WHERE Usuario = ?"),
                                       {user}))
        assigned.insert(r.value(0).toString() + QChar(0) + r.value(1).toString());
    std::vector<Company> result;
    for (const QSqlRecord &r : db.rows(
             QStringLiteral("SELECT E.Codigo, E.Nombre, E.Tipo, E.CodigoMatriz, A.Nombre AS Matriz "
                            "FROM EMPRESA E LEFT JOIN EMPRESA A ON E.CodigoMatriz = A.Codigo "
                            "ORDER BY E.Tipo DESC, E.Codigo"))) {
        Company c;
        c.codigo = r.value(0).toString();
        c.nombre = r.value(1).toString();
        c.tipo = r.value(2).toInt();
        c.codigoMatriz = r.value(3).toString();
        c.nombreMatriz = r.value(4).toString();
        c.assigned = assigned.contains(c.codigo + QChar(0) + c.codigoMatriz);
        result.push_back(c);
    }
    return result;
}

CompanyUserAssignment::Result CompanyUserAssignment::save(const QString &user,
                                                          const std::vector<Company> &companies)
{
    if (!m_access.require({QStringLiteral("Guardar")}) || !m_access.requireAdministrator())
        return Result::NotAllowed;
    Db &db = m_session.db();
    if (user.isEmpty() ||
        !db.exists(QStringLiteral("SELECT 1 FROM USUARIOS WHERE CodUsuario = ?"), {user})) {
        m_session.prompt().warning(UnknownUserText);
        return Result::UnknownUser;
    }
    if (!m_access.isSystemsUser() && m_access.inSystemsGroup(user)) {
        m_access.refuse();
        return Result::NotAllowed;
    }
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM USUARIOEMPRESA WHERE Usuario = ?"), {user});
    // The pair is taken from EMPRESA, so a company deleted meanwhile is skipped rather than
    // failing the whole save.
    for (const Company &c : companies)
        if (c.assigned)
            db.exec(QStringLiteral("INSERT INTO USUARIOEMPRESA (Usuario, Empresa, Matriz) "
                                   "SELECT ?, Codigo, CodigoMatriz FROM EMPRESA "
                                   "WHERE Codigo = ? AND CodigoMatriz = ?"),
                    {user, c.codigo, c.codigoMatriz});
    tx.commit();
    return Result::Saved;
}
