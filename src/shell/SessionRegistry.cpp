#include "shell/SessionRegistry.h"

#include "platform/Db.h"

namespace SessionRegistry {

void DeleteSession(Db &db, const QString &company, const QString &headOffice,
                   const QString &user)
{
    db.exec(QStringLiteral("DELETE FROM SESIONUSUARIO WHERE Empresa = ? AND Matriz = ? "
                           "AND Usuario = ?"),
            {company, headOffice, user});
}

} // namespace SessionRegistry
