#include "common/OptionRights.h"

#include "platform/Db.h"

namespace OptionRights {

QStringList AllOptions(Db &db)
{
    QStringList names;
    for (const QSqlRecord &r :
         db.rows(QStringLiteral("SELECT Nombre FROM OPCIONES ORDER BY Orden, CodigoOpcion")))
        names << r.value(0).toString();
    return names;
}

QStringList AllowedOptions(Db &db, const QString &user, const QString &node)
{
    QStringList names;
    const auto rows = db.rows(
        QStringLiteral("SELECT O.Nombre FROM OPCIONES O "
                       "WHERE O.CodigoOpcion IN (SELECT OM.Opcion FROM OPCIONESMENU OM "
                       "  WHERE OM.CodNodo = ?) "
                       "AND O.CodigoOpcion IN (SELECT OG.Opcion FROM OPCIONESGRUPO OG "
                       "  INNER JOIN USUARIOGRUPO UG ON UG.CodGrupo = OG.CodGrupo "
                       "  WHERE UG.CodUsuario = ? AND OG.CodNodo = ?) "
                       "ORDER BY O.Orden, O.CodigoOpcion"),
        {node, user, node});
    for (const QSqlRecord &r : rows)
        names << r.value(0).toString();
    return names;
}

bool MayUse(Db &db, const QString &user, const QString &node, const QString &option)
{
    return db.exists(QStringLiteral("SELECT 1 FROM OPCIONESGRUPO OG "
                                    "INNER JOIN USUARIOGRUPO UG ON UG.CodGrupo = OG.CodGrupo "
                                    "INNER JOIN OPCIONES O ON O.CodigoOpcion = OG.Opcion "
                                    "INNER JOIN OPCIONESMENU OM ON OM.CodNodo = OG.CodNodo "
                                    "  AND OM.Opcion = OG.Opcion "
                                    "WHERE UG.CodUsuario = ? AND OG.CodNodo = ? AND O.Nombre = ?"),
                     {user, node, option});
}

} // namespace OptionRights
