#pragma once

#include <QString>

struct Session;

// The logged-in user's change of his own password.
namespace PasswordChange {

enum class Result { MissingFields, WrongCurrent, ConfirmationDiffers, Changed };

// Checks the current password, the confirmation, then stores the hash of the new one.
// Messages go through the session's prompter.
Result CambiarClave(Session &session, const QString &current, const QString &newPassword,
                    const QString &confirmation);

} // namespace PasswordChange
