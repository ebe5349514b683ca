#include "shell/PasswordChange.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/PasswordHash.h"

namespace PasswordChange {

Result CambiarClave(Session &session, const QString &current, const QString &newPassword,
                    const QString &confirmation)
{
    Prompter &prompt = session.prompt();
    if (current.isEmpty() || newPassword.isEmpty() || confirmation.isEmpty()) {
        prompt.warning(QStringLiteral("Debe llenar todos los campos."));
        return Result::MissingFields;
    }
    Db &db = session.db();
    const QString stored =
        db.scalar(QStringLiteral("SELECT Paswod FROM USUARIOS WHERE CodUsuario = ?"),
                  {session.gUsuario})
            .toString();
    if (!PasswordHash::VerifyLoginPassword(stored, current)) {
        prompt.warning(QStringLiteral("Clave invalida.... !"));
        return Result::WrongCurrent;
    }
    if (newPassword != confirmation) {
        prompt.warning(QStringLiteral("Confirmación de clave invalida... !"));
        return Result::ConfirmationDiffers;
    }
    db.exec(QStringLiteral("UPDATE USUARIOS SET Paswod = ? WHERE CodUsuario = ?"),
            {PasswordHash::HashLoginPassword(newPassword), session.gUsuario});
    prompt.info(QStringLiteral("Cambio de clave realizada con exito.. !"));
    return Result::Changed;
}

} // namespace PasswordChange
