#include "app/cli/AdminCommands.h"
#include "app/cli/BalanceCommands.h"

#include "app/cli/ExportCommand.h"
#include "app/cli/LedgerBookCommand.h"
#include "app/cli/ReportCommand.h"
#include "app/cli/VoucherImportCommand.h"
#include "demo/DemoCompany.h"
#include "platform/DataFolder.h"
#include "platform/Db.h"
#include "platform/PasswordHash.h"
#include "shell/DatabaseSetup.h"
#include "shell/ServerConfig.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace AdminCommands {

namespace {

enum ExitCode { Done = 0, Failed = 1, WrongUse = 2, Refused = 3 };

// Opens the database for init: a missing SQLite file is created (owner-only), a missing
// PostgreSQL database is created on the server.
std::unique_ptr<Db> openForCreation(const ConnectionSettings &settings, QTextStream &out)
{
    if (settings.engine != Engine::Postgres)
        return Db::open(settings);
    bool created = false;
    auto db = DatabaseSetup::openOrCreatePostgres(settings, &created);
    if (created)
        out << "Base de datos creada en el servidor: " << settings.database << "\n";
    return db;
}

// Why init leaves an existing database alone, in words that say it exists.
QString existingDatabase(DatabaseSetup &setup, const ConnectionSettings &settings)
{
    const DatabaseSetup::State state = setup.state();
    const QString where = QStringLiteral("La base de datos ") + settings.describe();
    if (const QString refusal = setup.refusal(state, where); !refusal.isEmpty())
        return refusal;
    QString text = QStringLiteral("La base de datos ya existe: %1. No se modificó: la clave del "
                                  "administrador sigue siendo la que tenía.")
                       .arg(settings.describe());
    if (state == DatabaseSetup::State::Older)
        text += QStringLiteral("\nSu esquema es de la versión %1; use 'migrate' para "
                               "actualizarlo.")
                    .arg(setup.schemaVersion());
    return text;
}

bool missingSqliteFile(const ConnectionSettings &settings, QTextStream &err, const char *hint)
{
    if (settings.engine != Engine::Sqlite || QFileInfo::exists(settings.database))
        return false;
    err << "No existe la base de datos " << settings.database << hint << "\n";
    return true;
}

} // namespace

int Init(const ConnectionSettings &settings, const QString &adminPassword, QTextStream &out,
         QTextStream &err)
{
    if (adminPassword.trimmed().isEmpty()) {
        err << "La clave del administrador no puede estar vacía (léala de la entrada estándar).\n";
        return WrongUse;
    }
    try {
        // Hashed before anything is written: a hash that fails leaves no database behind.
        const QString hash = PasswordHash::HashLoginPassword(adminPassword);
        auto db = openForCreation(settings, out);
        DatabaseSetup setup(*db);
        if (setup.create(hash) == DatabaseSetup::Creation::Exists) {
            err << existingDatabase(setup, settings) << "\n";
            return Refused;
        }
        out << "Base de datos lista: " << settings.describe() << " (esquema versión "
            << setup.schemaVersion() << ").\n"
            << "Administrador: " << DatabaseSetup::AdministratorCode << "\n";
        return Done;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return Failed;
    } catch (const std::exception &e) {
        err << "No se pudo crear la base de datos: " << e.what() << "\n";
        return Failed;
    }
}

int InitDemo(const ConnectionSettings &settings, QTextStream &out, QTextStream &err)
{
    try {
        auto db = openForCreation(settings, out);
        const DemoCompany::Summary demo = DemoCompany::Rebuild(*db);
        out << (demo.rebuilt ? "Base de datos de demostración reconstruida: "
                             : "Base de datos de demostración lista: ")
            << settings.describe() << "\n"
            << "Empresas: " << demo.headOffice << " (matriz) y " << demo.branch
            << " (sucursal), periodo " << demo.year << "\n"
            << "Comprobantes contabilizados: " << demo.vouchers << " (" << demo.year - 1
            << " cerrado)\n";
        for (const QString &line : demo.credentials)
            out << line << "\n";
        return Done;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return Failed;
    } catch (const std::exception &e) {
        err << "No se pudo crear la demostración: " << e.what() << "\n";
        return Failed;
    }
}

int Migrate(const ConnectionSettings &settings, QTextStream &out, QTextStream &err)
{
    if (missingSqliteFile(settings, err, "; use 'init'."))
        return Refused;
    try {
        int before = 0;
        {
            // Looked at read-only first: a database that is not to be upgraded stays as it was.
            auto look = Db::open(settings, Db::Access::ReadOnly);
            DatabaseSetup setup(*look);
            const DatabaseSetup::State state = setup.state();
            const QString where = QStringLiteral("La base de datos ") + settings.describe();
            if (state == DatabaseSetup::State::Empty) {
                err << where << " está vacía: use 'init' para crearla con su administrador.\n";
                return Refused;
            }
            if (const QString refusal = setup.refusal(state, where); !refusal.isEmpty()) {
                err << refusal << "\n";
                return Refused;
            }
            before = setup.schemaVersion();
        }
        auto db = Db::open(settings);
        DatabaseSetup setup(*db);
        const int applied = setup.migrate();
        out << "Esquema versión " << before << " -> " << setup.schemaVersion() << " (" << applied
            << " migraciones aplicadas).\n";
        return Done;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return Failed;
    } catch (const std::exception &e) {
        err << "No se pudo actualizar la base de datos: " << e.what() << "\n";
        return Failed;
    }
}

int Info(const ConnectionSettings &settings, QTextStream &out, QTextStream &err)
{
    if (missingSqliteFile(settings, err, "."))
        return Refused;
    try {
        auto db = Db::open(settings, Db::Access::ReadOnly);
        DatabaseSetup setup(*db);
        const DatabaseSetup::State state = setup.state();
        if (state == DatabaseSetup::State::Foreign) {
            err << setup.refusal(state, QStringLiteral("La base de datos ") + settings.describe())
                << "\n";
            return Refused;
        }
        out << "Motor: " << (settings.engine == Engine::Sqlite ? "SQLite" : "PostgreSQL") << "\n"
            << "Base de datos: " << settings.describe() << "\n"
            << "Versión del esquema: " << setup.schemaVersion()
            << " (este programa: " << DatabaseSetup::latestVersion() << ")\n";
        if (DemoCompany::IsDemo(*db))
            out << "Es la base de datos de demostración.\n";
        // Only Valdoria's own tables: the database may hold others, even in other schemas.
        const QStringList own = DatabaseSetup::ownTables() << DemoCompany::MarkerTable.toUpper();
        QStringList tables = db->tableNames();
        tables.erase(std::remove_if(tables.begin(), tables.end(),
                                    [&](const QString &t) { return !own.contains(t); }),
                     tables.end());
        std::sort(tables.begin(), tables.end());
        for (const QString &table : tables) {
            // The name is one of our own, quoted as the engine stores it.
            const QString name = settings.engine == Engine::Postgres ? table.toLower() : table;
            const qlonglong count =
                db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(db->dialect().quote(name)))
                    .toLongLong();
            out << QStringLiteral("%1 %2\n").arg(table, -32).arg(count);
        }
        return Done;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return Failed;
    } catch (const std::exception &e) {
        err << "No se pudo leer la base de datos: " << e.what() << "\n";
        return Failed;
    }
}

QString Usage()
{
    const QString text = QStringLiteral(
        "Uso: valdoria-cli ORDEN [opciones]\n"
        "\n"
        "Administración de bases de datos Valdoria.\n"
        "\n"
        "Órdenes:\n"
        "  init     crea la base de datos, su esquema y el administrador ADMIN; una base de\n"
        "           datos que ya existe no se modifica. En una terminal la clave del\n"
        "           administrador se pide dos veces sin mostrarla; si no, se lee la primera\n"
        "           línea de la entrada estándar\n"
        "  migrate  actualiza el esquema a la versión de este programa\n"
        "  info     motor, versión del esquema y filas de cada tabla de Valdoria (no cambia nada)\n"
        "  balances verify   compara los saldos guardados con la suma de los movimientos y\n"
        "           nombra la primera diferencia (no cambia nada)\n"
        "  balances rebuild  reconstruye los saldos a partir de los movimientos, en una sola\n"
        "           transacción\n"
        "%1"
        "%2"
        "\n"
        "Base de datos (una sola de estas formas; sin ninguna, la configuración de esta\n"
        "estación, srvsql.txt de la carpeta de datos):\n"
        "  --config ARCHIVO     archivo con el formato de srvsql.txt\n"
        "  --sqlite ARCHIVO     base de datos SQLite\n"
        "  --pg-host EQUIPO     servidor PostgreSQL: equipo, dirección o carpeta del socket\n"
        "  --pg-port PUERTO     puerto de PostgreSQL\n"
        "  --pg-user USUARIO    usuario de PostgreSQL (su clave en VALDORIA_DB_PASSWORD)\n"
        "  --pg-sslmode MODO    cifrado de la conexión: disable, allow, prefer, require,\n"
        "                       verify-ca o verify-full (sin la opción vale PGSSLMODE)\n"
        "  --database NOMBRE    base de datos PostgreSQL (valdoria si no se indica)\n"
        "\n"
        "Otras opciones:\n"
        "  --demo               con init: crea la base de datos de demostración, o la\n"
        "                       reconstruye si ya lo es (valdoria-demo.sqlite en la carpeta\n"
        "                       de datos si no se indica otra)\n"
        "  -h, --help           muestra esta ayuda\n");
    return text.arg(ReportCommand::Usage + LedgerBookCommand::Usage + ExportCommand::Usage,
                    VoucherImportCommand::Usage);
}

namespace {

const QStringList SslModes{"disable", "allow", "prefer", "require", "verify-ca", "verify-full"};

// A refusal of the command line: the reason, then the usage text.
struct UsageError
{
    QString reason;
};

// The parser's own errors, in the program's language.
QString parserError(const QCommandLineParser &parser)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return QStringLiteral("Opción desconocida: %1%2")
            .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    }
    const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'"));
    if (const auto m = missing.match(parser.errorText()); m.hasMatch())
        return QStringLiteral("Falta el valor de la opción %1.").arg(m.captured(1));
    const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'"));
    if (const auto m = unexpected.match(parser.errorText()); m.hasMatch())
        return QStringLiteral("La opción %1 no lleva valor.").arg(m.captured(1));
    return QStringLiteral("Opciones no válidas.");
}

ConnectionSettings sqliteSettings(const QString &file)
{
    if (file.trimmed().isEmpty())
        throw UsageError{QStringLiteral("Falta el nombre del archivo de --sqlite.")};
    if (QFileInfo(file).isDir())
        throw UsageError{
            QStringLiteral("--sqlite nombra una carpeta, no un archivo: %1").arg(file)};
    ConnectionSettings s;
    s.database = QFileInfo(file).absoluteFilePath();
    return s;
}

ConnectionSettings postgresSettings(const QCommandLineParser &p)
{
    ConnectionSettings s;
    s.engine = Engine::Postgres;
    s.host = p.value("pg-host");
    if (p.isSet("pg-port")) {
        bool ok = false;
        s.port = p.value("pg-port").toInt(&ok);
        if (!ok || s.port < 1 || s.port > 65535)
            throw UsageError{QStringLiteral("El puerto de PostgreSQL debe ser un número entre 1 "
                                            "y 65535: %1")
                                 .arg(p.value("pg-port"))};
    }
    if (p.isSet("pg-sslmode")) {
        s.sslMode = p.value("pg-sslmode");
        if (!SslModes.contains(s.sslMode))
            throw UsageError{QStringLiteral("Modo de cifrado desconocido: %1 (use %2).")
                                 .arg(s.sslMode, SslModes.join(QStringLiteral(", ")))};
    }
    s.user = p.value("pg-user");
    s.password = qEnvironmentVariable("VALDORIA_DB_PASSWORD");
    s.database = p.isSet("database") ? p.value("database") : QStringLiteral("valdoria");
    if (const QString problem = ServerConfig::databaseNameProblem(s.database); !problem.isEmpty())
        throw UsageError{problem};
    s.database = s.database.trimmed();
    return s;
}

ConnectionSettings configSettings(const QString &path, bool named)
{
    auto config = ServerConfig::read(path);
    if (!config) {
        if (named)
            throw UsageError{QStringLiteral("No existe el archivo de configuración %1").arg(path)};
        config = ServerConfig();
        config->server = ServerConfig::LocalServer;
        config->database = QStringLiteral("valdoria");
    }
    if (const QString problem = ServerConfig::databaseNameProblem(config->database);
        !problem.isEmpty())
        throw UsageError{
            QStringLiteral("El archivo de configuración %1 no sirve: %2").arg(path, problem)};
    return config->toConnectionSettings(QFileInfo(path).absolutePath());
}

// The demo lives in its own file of the data folder, beside the workstation's database.
ConnectionSettings demoSettings()
{
    ConnectionSettings s;
    const QString folder = DataFolder::path();
    if (!DataFolder::create(folder))
        throw std::runtime_error(
            QStringLiteral("No se pudo crear la carpeta de datos %1").arg(folder).toStdString());
    s.database = DataFolder::file(QStringLiteral("valdoria-demo.sqlite"));
    return s;
}

} // namespace

int Run(const QStringList &arguments, const std::function<std::optional<QString>()> &readPassword,
        QTextStream &out, QTextStream &err)
{
    QCommandLineParser p;
    p.addOptions({
        {{"h", "help"}, {}},
        {"config", {}, "archivo"},
        {"sqlite", {}, "archivo"},
        {"pg-host", {}, "equipo"},
        {"pg-port", {}, "puerto"},
        {"pg-user", {}, "usuario"},
        {"pg-sslmode", {}, "modo"},
        {"database", {}, "nombre"},
        {"demo", {}},
    });
    p.addOptions(ReportCommand::options());
    p.addOptions(VoucherImportCommand::options());
    try {
        if (!p.parse(QStringList{QStringLiteral("valdoria-cli")} + arguments))
            throw UsageError{parserError(p)};
        if (p.isSet("help")) {
            out << Usage();
            return Done;
        }
        const QStringList args = p.positionalArguments();
        if (args.isEmpty())
            throw UsageError{QStringLiteral("Falta la orden.")};
        const QString command = args.first();
        const QStringList commands{"init",
                                   "migrate",
                                   "info",
                                   "balances",
                                   ReportCommand::Command,
                                   VoucherImportCommand::Command};
        if (!commands.contains(command))
            throw UsageError{QStringLiteral("Orden desconocida: %1").arg(command)};
        // "balances" takes what to do with the store; every other command stands alone.
        // "report" reads its own words; "vouchers import" takes the file.
        const bool vouchers = command == VoucherImportCommand::Command;
        const int words = command == QLatin1String("balances") ? 2
                          : command == ReportCommand::Command  ? int(args.size())
                          : vouchers                           ? 3
                                                               : 1;
        if (args.size() > words)
            throw UsageError{
                QStringLiteral("Sobra: %1").arg(args.mid(words).join(QLatin1Char(' ')))};
        const QString action = args.value(1);
        if (command == QLatin1String("balances") && action != QLatin1String("verify") &&
            action != QLatin1String("rebuild"))
            throw UsageError{QStringLiteral("balances lleva verify o rebuild.")};
        if (vouchers && action != VoucherImportCommand::Action)
            throw UsageError{QStringLiteral("vouchers lleva import.")};
        if (vouchers && args.size() < 3)
            throw UsageError{QStringLiteral("Falta el archivo a importar.")};
        if (vouchers && p.value("company").trimmed().isEmpty())
            throw UsageError{QStringLiteral("Falta --company: la empresa de los comprobantes.")};
        if (p.isSet("user") && !vouchers)
            throw UsageError{QStringLiteral("--user solo se usa con vouchers import.")};
        if (vouchers) {
            for (const QCommandLineOption &option : ReportCommand::options()) {
                const QString name = option.names().first();
                if (name != QLatin1String("company") && p.isSet(name))
                    throw UsageError{
                        QStringLiteral("--%1 no se usa con vouchers import.").arg(name)};
            }
        }

        const bool sqlite = p.isSet("sqlite");
        const bool config = p.isSet("config");
        const bool postgres = p.isSet("pg-host") || p.isSet("pg-port") || p.isSet("pg-user") ||
                              p.isSet("pg-sslmode") || p.isSet("database");
        if (int(sqlite) + int(config) + int(postgres) > 1)
            throw UsageError{QStringLiteral("--sqlite, --config y las opciones de PostgreSQL no "
                                            "se combinan: indique la base de datos de una sola "
                                            "forma.")};
        const bool demo = p.isSet("demo");
        if (demo && command != QLatin1String("init"))
            throw UsageError{QStringLiteral("--demo solo se usa con init.")};

        ConnectionSettings settings;
        if (sqlite)
            settings = sqliteSettings(p.value("sqlite"));
        else if (postgres)
            settings = postgresSettings(p);
        else if (demo && !config)
            settings = demoSettings();
        else
            settings = configSettings(
                config ? p.value("config") : DataFolder::file(ServerConfig::FileName), config);

        if (command == QLatin1String("init") && demo)
            return InitDemo(settings, out, err);
        if (command == QLatin1String("init")) {
            const auto password = readPassword();
            if (!password) {
                err << "No se leyó la clave del administrador.\n";
                return WrongUse;
            }
            return Init(settings, *password, out, err);
        }
        if (command == QLatin1String("migrate"))
            return Migrate(settings, out, err);
        if (command == ReportCommand::Command)
            return ReportCommand::Run(settings, p, out, err);
        if (vouchers) {
            if (missingSqliteFile(settings, err, "."))
                return Refused;
            const QString user = p.isSet("user") ? p.value("user").trimmed().toUpper()
                                                 : VoucherImportCommand::defaultUser();
            if (user.isEmpty())
                throw UsageError{QStringLiteral("Indique con --user el usuario que registra "
                                                "los comprobantes.")};
            return VoucherImportCommand::Run(settings, p.value("company").trimmed(), user,
                                             args.value(2), out, err);
        }
        if (command == QLatin1String("balances")) {
            if (missingSqliteFile(settings, err, "."))
                return Refused;
            return action == QLatin1String("verify") ? BalanceCommands::Verify(settings, out, err)
                                                     : BalanceCommands::Rebuild(settings, out, err);
        }
        return Info(settings, out, err);
    } catch (const UsageError &e) {
        err << "valdoria-cli: " << e.reason << "\n\n" << Usage();
        return WrongUse;
    } catch (const std::exception &e) {
        err << "valdoria-cli: " << e.what() << "\n";
        return Failed;
    }
}

} // namespace AdminCommands
