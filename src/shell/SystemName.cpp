#include "shell/SystemName.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "shell/UserRights.h"

namespace SystemName {

namespace {
bool allowed(Session &session)
{
    if (UserRights::IsSystemsUser(session.db(), session.gUsuario))
        return true;
    session.prompt().warning(
        QStringLiteral("Solo los usuarios del grupo SISTEMAS pueden cambiar el nombre del sistema."));
    return false;
}
} // namespace

Values Load(Session &session)
{
    const auto rows = session.db().rows(QStringLiteral(
        "SELECT NombreSistema, Descripcion, Version FROM SISTEMAS ORDER BY NombreSistema LIMIT 1"));
    if (rows.empty())
        return {};
    return {rows.front().value(0).toString(), rows.front().value(1).toString(),
            rows.front().value(2).toString()};
}

bool Save(Session &session, const Values &values)
{
    if (!allowed(session))
        return false;
    if (values.name.trimmed().isEmpty()) {
        session.prompt().warning(QStringLiteral("Debe escribir el nombre del sistema."));
        return false;
    }
    Db &db = session.db();
    Transaction tx(db);
    // One row only: whatever was there is replaced.
    db.exec(QStringLiteral("DELETE FROM SISTEMAS"));
    db.exec(QStringLiteral("INSERT INTO SISTEMAS (NombreSistema, Descripcion, Version) "
                           "VALUES (?, ?, ?)"),
            {values.name.trimmed(), values.description.trimmed(), values.version.trimmed()});
    tx.commit();
    session.gNombreSistema = values.name.trimmed();
    session.gDescripcionSistema = values.description.trimmed();
    return true;
}

bool Delete(Session &session)
{
    if (!allowed(session))
        return false;
    session.db().exec(QStringLiteral("DELETE FROM SISTEMAS"));
    return true;
}

} // namespace SystemName
