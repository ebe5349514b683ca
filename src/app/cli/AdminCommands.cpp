#include "app/cli/AdminCommands.h"

#include "demo/DemoCompany.h"
#include "platform/Db.h"
#include "shell/DatabaseSetup.h"

#include <QFileInfo>
#include <algorithm>

namespace AdminCommands {

int Init(const ConnectionSettings &settings, const QString &adminPassword, QTextStream &out,
         QTextStream &err)
{
    if (adminPassword.trimmed().isEmpty()) {
        err << "La clave del administrador no puede estar vacía (léala de la entrada estándar).\n";
        return 2;
    }
    try {
        if (settings.engine == Engine::Postgres && DatabaseSetup::createPostgresDatabase(settings))
            out << "Base de datos creada en el servidor: " << settings.database << "\n";
        auto db = Db::open(settings);
        DatabaseSetup setup(*db);
        if (setup.state() != DatabaseSetup::State::Empty && !setup.needsAdministrator()) {
            err << "La base de datos ya existe y tiene administrador: " << settings.describe()
                << "\nUse 'migrate' para actualizarla.\n";
            return 3;
        }
        const int applied = setup.migrate();
        setup.createAdministrator(adminPassword);
        out << "Base de datos lista: " << settings.describe() << " (esquema versión "
            << setup.schemaVersion() << ", " << applied << " migraciones aplicadas).\n"
            << "Administrador: " << DatabaseSetup::AdministratorCode << "\n";
        return 0;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return 1;
    }
}

int InitDemo(const ConnectionSettings &settings, QTextStream &out, QTextStream &err)
{
    try {
        if (settings.engine == Engine::Postgres && DatabaseSetup::createPostgresDatabase(settings))
            out << "Base de datos creada en el servidor: " << settings.database << "\n";
        auto db = Db::open(settings);
        const DemoCompany::Summary demo = DemoCompany::Create(*db);
        out << "Base de datos de demostración lista: " << settings.describe() << "\n"
            << "Empresas: " << demo.headOffice << " (matriz) y " << demo.branch
            << " (sucursal), periodo " << demo.year << "\n";
        for (const QString &line : demo.credentials)
            out << line << "\n";
        return 0;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return 1;
    }
}

int Migrate(const ConnectionSettings &settings, QTextStream &out, QTextStream &err)
{
    try {
        if (settings.engine == Engine::Sqlite && !QFileInfo::exists(settings.database)) {
            err << "No existe la base de datos " << settings.database << "; use 'init'.\n";
            return 3;
        }
        auto db = Db::open(settings);
        DatabaseSetup setup(*db);
        const int before = setup.schemaVersion();
        const int applied = setup.migrate();
        out << "Esquema versión " << before << " -> " << setup.schemaVersion() << " (" << applied
            << " migraciones aplicadas).\n";
        return 0;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return 1;
    }
}

int Info(const ConnectionSettings &settings, QTextStream &out, QTextStream &err)
{
    try {
        if (settings.engine == Engine::Sqlite && !QFileInfo::exists(settings.database)) {
            err << "No existe la base de datos " << settings.database << ".\n";
            return 3;
        }
        auto db = Db::open(settings);
        DatabaseSetup setup(*db);
        out << "Motor: " << (settings.engine == Engine::Sqlite ? "SQLite" : "PostgreSQL") << "\n"
            << "Base de datos: " << settings.describe() << "\n"
            << "Versión del esquema: " << setup.schemaVersion()
            << " (este programa: " << DatabaseSetup::latestVersion() << ")\n";
        QStringList tables = db->tableNames();
        std::sort(tables.begin(), tables.end());
        for (const QString &table : tables) {
            // Table names come from the database's own catalogue, quoted as identifiers.
            const QString name = settings.engine == Engine::Postgres ? table.toLower() : table;
            const qlonglong count =
                db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(db->dialect().quote(name)))
                    .toLongLong();
            out << QStringLiteral("%1 %2\n").arg(table, -32).arg(count);
        }
        return 0;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return 1;
    }
}

} // namespace AdminCommands
