#include "shell/UserRights.h"

#include "platform/Db.h"

namespace UserRights {

namespace {
bool inGroups(Db &db, const QString &user, const QStringList &groups)
{
    QString marks;
    QVariantList params{user};
    for (const QString &g : groups) {
        marks += marks.isEmpty() ? QStringLiteral("?") : QStringLiteral(",?");
        params << g;
    }
    return db.exists(QStringLiteral("SELECT 1 FROM USUARIOS U INNER JOIN USUARIOGRUPO UG "
                                    "ON U.CodUsuario = UG.CodUsuario "
                                    "WHERE U.CodUsuario = ? AND UG.CodGrupo IN (%1)")
                         .arg(marks),
                     params);
}

// The flag columns come from this fixed list, never from a caller's text.
enum class Flag { IncTerceroMov, MostrarUltMov, ModificarMovimiento, TipoModificacion };

bool groupFlag(Db &db, const QString &user, Flag flag)
{
    static const char *const columns[] = {"IncTerceroMov", "MostrarUltMov",
                                          "ModificarMovimiento", "TipoModificacion"};
    return db.exists(QStringLiteral("SELECT 1 FROM GRUPOS G INNER JOIN USUARIOGRUPO UG "
                                    "ON G.CodGrupo = UG.CodGrupo "
                                    "WHERE UG.CodUsuario = ? AND G.%1 = 1")
                         .arg(QLatin1String(columns[int(flag)])),
                     {user});
}
} // namespace

bool IsAdministrator(Db &db, const QString &user)
{
    return inGroups(db, user, {SystemsGroup, SuperGroup});
}

bool IsSystemsUser(Db &db, const QString &user)
{
    return inGroups(db, user, {SystemsGroup});
}

bool HasCompanies(Db &db, const QString &user)
{
    return db.exists(QStringLiteral("SELECT 1 FROM USUARIOEMPRESA WHERE Usuario = ?"), {user});
}

bool MayAddThirdParties(Db &db, const QString &user)
{
    return groupFlag(db, user, Flag::IncTerceroMov);
}

bool ShowsLastMovements(Db &db, const QString &user)
{
    return groupFlag(db, user, Flag::MostrarUltMov);
}

bool MayModifyMovements(Db &db, const QString &user)
{
    return groupFlag(db, user, Flag::ModificarMovimiento);
}

bool ModificationType(Db &db, const QString &user)
{
    return groupFlag(db, user, Flag::TipoModificacion);
}

} // namespace UserRights
