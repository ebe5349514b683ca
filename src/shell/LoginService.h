#pragma once

#include <QDeadlineTimer>
#include <QString>

struct Session;

// The checks of the login window, without the window.
class LoginService
{
public:
    enum class Result {
        MissingFields, // "Introduzca el usuario y su clave de acceso"
        Invalid,       // "Usuario ó clave inválida"
        Inactive,      // "Usuario inactivo!"
        NoCompanies,   // "Usuario sin empresas asignadas!  "
        Administrator, // logged in; picks among all companies
        User,          // logged in; picks among his assigned companies
    };

    static inline const QString RememberKey = QStringLiteral("Login");

    explicit LoginService(Session &session);

    // Pause after each refused attempt, so guessing passwords is slow. The service does not
    // sleep (the window must keep painting): it says, through retryDelay(), how long the
    // window must hold the next attempt.
    void setFailureDelay(int milliseconds) { m_failureDelayMs = milliseconds; }
    // Milliseconds before another attempt may be made; 0 when one may be made now.
    int retryDelay() const { return int(m_nextAttempt.remainingTime()); }

    // Checks the user and password and writes the login log; only a successful login fills
    // the session (a refused one leaves the open session as it was). Messages go through the
    // session's prompter. `remember` keeps the user code for the next login.
    Result VerificarClave(const QString &user, const QString &password, bool remember);

    // The user code remembered on this workstation (empty when none).
    QString rememberedUser() const;

    static bool loggedIn(Result r) { return r == Result::Administrator || r == Result::User; }
    // Company selection mode after a login: 1 all companies, 2 assigned ones.
    static int companyMode(Result r) { return r == Result::Administrator ? 1 : 2; }

private:
    void refuse(const QString &message);

    Session &m_session;
    int m_failureDelayMs = 1000;
    QDeadlineTimer m_nextAttempt{0};
};
