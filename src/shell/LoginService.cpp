#include "shell/LoginService.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/PasswordHash.h"
#include "platform/SettingsStore.h"
#include "platform/Workstation.h"
#include "shell/UserRights.h"

#include <algorithm>

namespace {
// Verifying against a real hash when the user does not exist keeps the answer's timing from
// telling which user codes exist.
const QString &decoyHash()
{
    static const QString hash = PasswordHash::HashLoginPassword(QStringLiteral("-"));
    return hash;
}
} // namespace

LoginService::LoginService(Session &session)
    : m_session(session)
{
}

QString LoginService::rememberedUser() const
{
    if (!m_session.settings)
        return {};
    return m_session.settings->value(RememberKey).toString();
}

void LoginService::refuse(const QString &message)
{
    m_nextAttempt = QDeadlineTimer(std::max(m_failureDelayMs, 0));
    m_session.prompt().warning(message);
}

LoginService::Result LoginService::VerificarClave(const QString &userText, const QString &password,
                                                  bool remember)
{
    if (userText.trimmed().isEmpty() || password.trimmed().isEmpty()) {
        m_session.prompt().warning(QStringLiteral("Introduzca el usuario y su clave de acceso"));
        return Result::MissingFields;
    }
    Db &db = m_session.db();
    const QString code = userText.trimmed().toUpper();
    const auto rows = db.rows(QStringLiteral("SELECT CodUsuario, NombreUsuario, Paswod, Status "
                                             "FROM USUARIOS WHERE CodUsuario = ?"),
                              {code});
    const bool known = !rows.empty();
    const QString stored = known ? rows.front().value(2).toString() : decoyHash();
    if (!PasswordHash::VerifyLoginPassword(stored, password) || !known) {
        refuse(QStringLiteral("Usuario ó clave inválida"));
        return Result::Invalid;
    }
    if (rows.front().value(3).toInt() == 0) {
        refuse(QStringLiteral("Usuario inactivo!"));
        return Result::Inactive;
    }

    const QString user = rows.front().value(0).toString().trimmed();
    db.exec(QStringLiteral("INSERT INTO INICIOSESION (Usuario, DireccionIp, NombreEquipo, "
                           "FechaRegistro) VALUES (?, ?, ?, %1)")
                .arg(db.dialect().currentTimestamp()),
            {user, Workstation::LocalIpAddress(), Workstation::LocalHostName()});

    Result result;
    if (UserRights::IsAdministrator(db, user))
        result = Result::Administrator;
    else if (UserRights::HasCompanies(db, user))
        result = Result::User;
    else {
        // The session changes only when a login succeeds: one that was open goes on if the
        // window is then cancelled.
        m_session.prompt().warning(QStringLiteral("Usuario sin empresas asignadas!  "));
        return Result::NoCompanies;
    }

    m_session.gUsuario = user;
    m_session.gNombreUsuario = rows.front().value(1).toString().trimmed();
    m_session.gSesionIniciada = true;
    if (m_session.settings) {
        m_session.settings->setValue(RememberKey, remember ? userText.trimmed() : QString());
        m_session.settings->sync();
    }
    m_session.clearCompany();
    return result;
}
