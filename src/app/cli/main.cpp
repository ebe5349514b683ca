// valdoria-cli: database administration without a display.
#include "app/cli/AdminCommands.h"
#include "platform/DataFolder.h"
#include "shell/ServerConfig.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

namespace {

// Which database: a srvsql.txt-style file, a SQLite file, PostgreSQL options, or by default
// the workstation's own configuration in the data folder.
std::optional<ConnectionSettings> chooseDatabase(const QCommandLineParser &p, QTextStream &err)
{
    if (p.isSet("sqlite")) {
        ConnectionSettings s;
        s.database = QFileInfo(p.value("sqlite")).absoluteFilePath();
        return s;
    }
    if (p.isSet("pg-host") || p.isSet("database")) {
        ConnectionSettings s;
        s.engine = Engine::Postgres;
        s.host = p.value("pg-host");
        s.port = p.value("pg-port").toInt();
        s.user = p.value("pg-user");
        s.password = qEnvironmentVariable("VALDORIA_DB_PASSWORD");
        s.database = p.isSet("database") ? p.value("database") : QStringLiteral("valdoria");
        return s;
    }
    QString configPath = p.value("config");
    if (configPath.isEmpty())
        configPath = DataFolder::file(ServerConfig::FileName);
    auto config = ServerConfig::read(configPath);
    if (!config) {
        if (p.isSet("config")) {
            err << "No existe el archivo de configuración " << configPath << "\n";
            return std::nullopt;
        }
        ServerConfig embedded;
        embedded.server = ServerConfig::LocalServer;
        embedded.database = QStringLiteral("valdoria");
        config = embedded;
    }
    return config->toConnectionSettings(QFileInfo(configPath).absolutePath());
}

// The demo lives in its own file of the data folder, beside the workstation's database.
ConnectionSettings DemoSettings()
{
    ConnectionSettings s;
    s.database = DataFolder::file(QStringLiteral("valdoria-demo.sqlite"));
    QDir().mkpath(DataFolder::path());
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Valdoria"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Administración de bases de datos Valdoria.\n\n"
                       "Órdenes:\n"
                       "  init     crea la base de datos, su esquema y el administrador\n"
                       "           (la clave del administrador se lee de la entrada estándar)\n"
                       "  migrate  actualiza el esquema a la versión de este programa\n"
                       "  info     motor, versión del esquema y filas por tabla"));
    parser.addHelpOption();
    parser.addPositionalArgument("orden", "init | migrate | info");
    parser.addOptions({
        {"config", "Archivo de configuración con el formato de srvsql.txt.", "archivo"},
        {"sqlite", "Base de datos SQLite (archivo).", "archivo"},
        {"pg-host", "Servidor PostgreSQL: equipo, dirección o carpeta del socket.", "equipo"},
        {"pg-port", "Puerto de PostgreSQL.", "puerto"},
        {"pg-user", "Usuario de PostgreSQL (clave en VALDORIA_DB_PASSWORD).", "usuario"},
        {"database", "Nombre de la base de datos PostgreSQL.", "nombre"},
        {"demo", "Con init: crea la base de datos de demostración (valdoria-demo.sqlite en la "
                 "carpeta de datos si no se indica otra)."},
    });
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) {
        err << parser.helpText();
        return 2;
    }
    const bool demo = parser.isSet("demo");
    const bool chosen = parser.isSet("sqlite") || parser.isSet("pg-host") ||
                        parser.isSet("database") || parser.isSet("config");
    const auto settings = demo && !chosen ? std::optional<ConnectionSettings>(DemoSettings())
                                          : chooseDatabase(parser, err);
    if (!settings)
        return 2;

    const QString command = args.first();
    if (command == QLatin1String("init") && demo)
        return AdminCommands::InitDemo(*settings, out, err);
    if (command == QLatin1String("init")) {
        QTextStream in(stdin);
        const QString password = in.readLine();
        return AdminCommands::Init(*settings, password, out, err);
    }
    if (command == QLatin1String("migrate"))
        return AdminCommands::Migrate(*settings, out, err);
    if (command == QLatin1String("info"))
        return AdminCommands::Info(*settings, out, err);
    err << "Orden desconocida: " << command << "\n" << parser.helpText();
    return 2;
}
