#include "shell/DatabaseSetup.h"

#include "common/Prompter.h"
#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "platform/PasswordHash.h"
#include "platform/Transaction.h"
#include "schema/LedgerSchema.h"

DatabaseSetup::DatabaseSetup(Db &db)
    : m_db(db)
{
}

int DatabaseSetup::schemaVersion() const
{
    return MigrationRunner(m_db, {}).currentVersion();
}

int DatabaseSetup::latestVersion()
{
    int latest = 0;
    for (const Migration &m : LedgerMigrations())
        latest = std::max(latest, m.version);
    return latest;
}

DatabaseSetup::State DatabaseSetup::state() const
{
    const int current = schemaVersion();
    const int latest = latestVersion();
    if (current == 0)
        return State::Empty;
    if (current < latest)
        return State::Older;
    if (current > latest)
        return State::Newer;
    return State::Current;
}

int DatabaseSetup::migrate()
{
    return MigrationRunner(m_db, LedgerMigrations()).migrate();
}

bool DatabaseSetup::needsAdministrator() const
{
    return !m_db.exists(QStringLiteral("SELECT 1 FROM USUARIOGRUPO UG INNER JOIN USUARIOS U "
                                       "ON U.CodUsuario = UG.CodUsuario "
                                       "WHERE UG.CodGrupo = ? AND U.Status = 1"),
                        {QStringLiteral("SISTEMAS")});
}

void DatabaseSetup::createAdministrator(const QString &password, const QString &code,
                                        const QString &name)
{
    const QString hash = PasswordHash::HashLoginPassword(password);
    Transaction tx(m_db);
    const QString user = code.trimmed().toUpper();
    if (m_db.exists(QStringLiteral("SELECT 1 FROM USUARIOS WHERE CodUsuario = ?"), {user}))
        m_db.exec(QStringLiteral("UPDATE USUARIOS SET Paswod = ?, Status = 1 WHERE CodUsuario = ?"),
                  {hash, user});
    else
        m_db.exec(QStringLiteral("INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod, Status) "
                                 "VALUES (?, ?, ?, 1)"),
                  {user, name, hash});
    if (!m_db.exists(
            QStringLiteral("SELECT 1 FROM USUARIOGRUPO WHERE CodUsuario = ? AND CodGrupo = ?"),
            {user, QStringLiteral("SISTEMAS")}))
        m_db.exec(QStringLiteral("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES (?, ?)"),
                  {user, QStringLiteral("SISTEMAS")});
    tx.commit();
}

bool DatabaseSetup::askAdministratorPassword(Prompter &prompter)
{
    const QString title = QStringLiteral("Administrador del sistema");
    for (;;) {
        const auto first = prompter.input(
            QStringLiteral("La base de datos es nueva. Escriba la clave del administrador "
                           "(usuario %1):")
                .arg(AdministratorCode),
            title, {}, true);
        if (!first)
            return false;
        if (first->trimmed().isEmpty()) {
            prompter.warning(QStringLiteral("La clave del administrador no puede estar vacía."));
            continue;
        }
        const auto second =
            prompter.input(QStringLiteral("Confirme la clave del administrador:"), title, {}, true);
        if (!second)
            return false;
        if (PasswordHash::NormalizeLoginPassword(*first) !=
            PasswordHash::NormalizeLoginPassword(*second)) {
            prompter.warning(QStringLiteral("¡Confirmación de clave errada!"));
            continue;
        }
        createAdministrator(*first);
        return true;
    }
}

bool DatabaseSetup::prepare(Prompter &prompter)
{
    try {
        switch (state()) {
        case State::Newer:
            migrate(); // throws the refusal with both version numbers
            return false;
        case State::Empty:
        case State::Older:
            migrate();
            break;
        case State::Current:
            break;
        }
        if (needsAdministrator() && !askAdministratorPassword(prompter)) {
            prompter.warning(QStringLiteral("La base de datos no tiene administrador. "
                                            "No se puede continuar."));
            return false;
        }
        return true;
    } catch (const DbError &e) {
        prompter.error(e.userText());
        return false;
    }
}

bool DatabaseSetup::createPostgresDatabase(const ConnectionSettings &settings)
{
    ConnectionSettings maintenance = settings;
    maintenance.database = QStringLiteral("postgres");
    auto admin = Db::open(maintenance);
    if (admin->exists(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"),
                      {settings.database}))
        return false;
    // CREATE DATABASE takes no bound values; the name is quoted as an identifier.
    admin->exec(QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0")
                    .arg(admin->dialect().quote(settings.database)));
    return true;
}
