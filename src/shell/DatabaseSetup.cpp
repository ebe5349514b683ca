#include "shell/DatabaseSetup.h"

#include "common/Prompter.h"
#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "platform/PasswordHash.h"
#include "platform/Transaction.h"
#include "schema/BalanceStore.h"
#include "schema/LedgerSchema.h"
#include "schema/LedgerTables.h"

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

QStringList DatabaseSetup::ownTables()
{
    // The first migration's tables and those that later migrations add.
    QStringList names{MigrationRunner::versionTable()};
    for (const auto &group : {LedgerTables::allTables(), BalanceStore::tables(),
                              LedgerTables::chequeTables()})
        for (const TableDef &t : group)
            names << t.name.toUpper();
    return names;
}

DatabaseSetup::State DatabaseSetup::state() const
{
    const int current = schemaVersion();
    const int latest = latestVersion();
    if (current == 0)
        return m_db.tableNames().isEmpty() ? State::Empty : State::Foreign;
    if (current < latest)
        return State::Older;
    if (current > latest)
        return State::Newer;
    return State::Current;
}

QString DatabaseSetup::refusal(State state, const QString &where) const
{
    switch (state) {
    case State::Foreign:
        return QStringLiteral("%1 no es una base de datos de Valdoria: tiene otras tablas y no "
                              "tiene el esquema de Valdoria. No se modificó.")
            .arg(where);
    case State::Newer:
        return QStringLiteral("%1 tiene la versión de esquema %2, más nueva que la versión %3 "
                              "que conoce este programa. Actualice Valdoria en esta estación "
                              "antes de abrirla.")
            .arg(where)
            .arg(schemaVersion())
            .arg(latestVersion());
    case State::Empty:
    case State::Older:
    case State::Current:
        break;
    }
    return {};
}

void DatabaseSetup::lockSchema()
{
    const QString sql = m_db.dialect().schemaLock();
    if (!sql.isEmpty())
        m_db.scalar(sql);
}

void DatabaseSetup::dropAllTables()
{
    if (m_db.engine() == Engine::Sqlite) {
        // Newest first: a table is created after the tables its keys name, so it goes before
        // them, and a dropped parent never meets a child that still names it. What is left
        // to check is checked once, at the commit, against the tables built in their place.
        m_db.exec(QStringLiteral("PRAGMA defer_foreign_keys = ON"));
        const auto tables = m_db.rows(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' "
            "ORDER BY rowid DESC"));
        for (const QSqlRecord &r : tables)
            m_db.exec(QStringLiteral("DROP TABLE ") + m_db.dialect().quote(r.value(0).toString()));
        if (m_db.exists(QStringLiteral(
                "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'sqlite_sequence'")))
            m_db.exec(QStringLiteral("DELETE FROM sqlite_sequence"));
        return;
    }
    QStringList names;
    for (const QSqlRecord &r : m_db.rows(
             QStringLiteral("SELECT tablename FROM pg_tables WHERE schemaname = current_schema()")))
        names << m_db.dialect().quote(r.value(0).toString());
    if (!names.isEmpty())
        m_db.exec(QStringLiteral("DROP TABLE %1 CASCADE").arg(names.join(QStringLiteral(", "))));
}

DatabaseSetup::Creation DatabaseSetup::create(const QString &administratorHash,
                                              const std::function<void(Db &)> &fill,
                                              const std::function<bool(Db &)> &rebuildable)
{
    Transaction tx(m_db);
    lockSchema();
    Creation outcome = Creation::Created;
    switch (state()) {
    case State::Empty:
        break;
    case State::Older:
    case State::Current:
        if (!rebuildable || !rebuildable(m_db))
            return Creation::Exists;
        dropAllTables();
        outcome = Creation::Rebuilt;
        break;
    case State::Foreign:
    case State::Newer:
        return Creation::Exists;
    }
    MigrationRunner(m_db, LedgerMigrations()).migrate();
    insertAdministrator(administratorHash, AdministratorCode, AdministratorName);
    if (fill)
        fill(m_db);
    tx.commit();
    return outcome;
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

void DatabaseSetup::insertAdministrator(const QString &hash, const QString &code,
                                        const QString &name)
{
    const QString user = code.trimmed().toUpper();
    // Setting up a database never resets anybody's password: that is the password change
    // window's work, and it asks for the current one.
    if (m_db.exists(QStringLiteral("SELECT 1 FROM USUARIOS WHERE CodUsuario = ?"), {user}))
        throw DbError(QStringLiteral("El usuario %1 ya existe: no se cambia su clave.").arg(user));
    m_db.exec(QStringLiteral("INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod, Status) "
                             "VALUES (?, ?, ?, 1)"),
              {user, name, hash});
    m_db.exec(QStringLiteral("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES (?, ?)"),
              {user, QStringLiteral("SISTEMAS")});
}

void DatabaseSetup::createAdministrator(const QString &password, const QString &code,
                                        const QString &name)
{
    const QString hash = PasswordHash::HashLoginPassword(password);
    Transaction tx(m_db);
    insertAdministrator(hash, code, name);
    tx.commit();
}

bool DatabaseSetup::addFirstAdministrator(const QString &hash)
{
    Transaction tx(m_db);
    lockSchema();
    if (!needsAdministrator())
        return false;
    insertAdministrator(hash, AdministratorCode, AdministratorName);
    tx.commit();
    return true;
}

std::optional<QString> DatabaseSetup::askAdministratorPassword(Prompter &prompter)
{
    const QString title = QStringLiteral("Administrador del sistema");
    for (;;) {
        const auto first = prompter.input(
            QStringLiteral("La base de datos es nueva. Escriba la clave del administrador "
                           "(usuario %1):")
                .arg(AdministratorCode),
            title, {}, true);
        if (!first)
            return std::nullopt;
        if (first->trimmed().isEmpty()) {
            prompter.warning(QStringLiteral("La clave del administrador no puede estar vacía."));
            continue;
        }
        const auto second =
            prompter.input(QStringLiteral("Confirme la clave del administrador:"), title, {}, true);
        if (!second)
            return std::nullopt;
        if (PasswordHash::NormalizeLoginPassword(*first) !=
            PasswordHash::NormalizeLoginPassword(*second)) {
            prompter.warning(QStringLiteral("¡Confirmación de clave errada!"));
            continue;
        }
        return PasswordHash::HashLoginPassword(*first);
    }
}

bool DatabaseSetup::prepare(Prompter &prompter)
{
    const QString noAdministrator =
        QStringLiteral("La base de datos no tiene administrador. No se puede continuar.");
    // The password dialog stays open as long as the user likes: nothing is locked while it
    // is, and whether the database still needs what we are about to write is decided again,
    // under the lock, once the password is known.
    const QString otherStation =
        QStringLiteral("Otra estación preparó la base de datos mientras se escribía la clave: "
                       "el administrador es el que definió esa estación.");
    try {
        const State found = state();
        switch (found) {
        case State::Foreign:
        case State::Newer:
            prompter.warning(refusal(found, QStringLiteral("La base de datos")));
            return false;
        case State::Empty: {
            const auto hash = askAdministratorPassword(prompter);
            if (!hash) {
                prompter.warning(noAdministrator);
                return false;
            }
            if (create(*hash) == Creation::Created)
                return true;
            prompter.info(otherStation);
            return prepare(prompter);
        }
        case State::Older:
            migrate();
            break;
        case State::Current:
            break;
        }
        if (needsAdministrator()) {
            const auto hash = askAdministratorPassword(prompter);
            if (!hash) {
                prompter.warning(noAdministrator);
                return false;
            }
            if (!addFirstAdministrator(*hash))
                prompter.info(otherStation);
        }
        return true;
    } catch (const DbError &e) {
        prompter.error(e.userText());
        return false;
    } catch (const std::exception &e) {
        prompter.error(QStringLiteral("No se pudo preparar la base de datos: %1")
                           .arg(QString::fromUtf8(e.what())));
        return false;
    }
}

bool DatabaseSetup::createPostgresDatabase(const ConnectionSettings &settings)
{
    ConnectionSettings maintenance = settings;
    maintenance.database = QStringLiteral("postgres");
    auto admin = Db::open(maintenance);
    const QString exists = QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?");
    if (admin->exists(exists, {settings.database}))
        return false;
    try {
        // CREATE DATABASE takes no bound values; the name is quoted as an identifier.
        admin->exec(QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0")
                        .arg(admin->dialect().quote(settings.database)));
        return true;
    } catch (const DbError &) {
        // Another workstation created it between our look and our statement.
        if (admin->exists(exists, {settings.database}))
            return false;
        throw;
    }
}

std::unique_ptr<Db> DatabaseSetup::openOrCreatePostgres(const ConnectionSettings &settings,
                                                        bool *created)
{
    if (created)
        *created = false;
    try {
        return Db::open(settings);
    } catch (const DbError &refused) {
        bool made = false;
        try {
            made = createPostgresDatabase(settings);
        } catch (const DbError &) {
            // Without the maintenance database the reason to tell is the first one.
            throw refused;
        }
        if (created)
            *created = made;
        return Db::open(settings);
    }
}
