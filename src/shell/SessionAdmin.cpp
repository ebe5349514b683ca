#include "shell/SessionAdmin.h"

#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/CatalogService.h"
#include "platform/Db.h"
#include "shell/SessionRegistry.h"
#include "shell/UserRights.h"

namespace SessionAdmin {

QString StaleSessionsQuery()
{
    return QStringLiteral(
        "SELECT SU.Empresa, E.Nombre, SU.Matriz, M.Nombre AS NombreMatriz, SU.Usuario, "
        "U.NombreUsuario, SU.Fecha AS Fecha_Sesion, SU.NombreEquipo "
        "FROM SESIONUSUARIO SU INNER JOIN EMPRESA E ON SU.Empresa = E.Codigo "
        "INNER JOIN EMPRESA M ON SU.Matriz = M.Codigo "
        "INNER JOIN USUARIOS U ON SU.Usuario = U.CodUsuario "
        "WHERE SU.Usuario <> ? OR SU.NombreEquipo <> ?");
}

bool CloseSession(Session &session, CatalogPicker &picker, const QString &hostName)
{
    Db &db = session.db();
    Prompter &prompt = session.prompt();
    if (!UserRights::IsAdministrator(db, session.gUsuario)) {
        prompt.warning(OptionRights::NotAllowedText);
        return false;
    }
    const CatalogResult picked = ShowCatalog(db, prompt, picker,
                                             {session.gUsuario, hostName.toLower()},
                                             StaleSessionsQuery());
    if (picked.recordCount)
        session.gCatalogoRegistros = *picked.recordCount;
    if (!picked.picked())
        return false;
    const QString title = QStringLiteral("Eliminar Sesión de : ") + picked.element(6)
                          + QStringLiteral(" (") + picked.element(8) + QLatin1Char(')');
    if (!prompt.question(QStringLiteral("¿Desea eliminar el registro de inicio de sesión del "
                                        "usuario seleccionado?"),
                         title, false))
        return false;
    SessionRegistry::DeleteSession(db, picked.element(1), picked.element(3), picked.element(5));
    return true;
}

} // namespace SessionAdmin
