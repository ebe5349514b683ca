#include "shell/ServerConfig.h"

#include "platform/TextLines.h"
#include "shell/PasswordScrambler.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString lineAt(const QStringList &lines, int oneBased)
{
    return lines.size() >= oneBased ? lines.at(oneBased - 1) : QString();
}
} // namespace

ServerConfig ServerConfig::fromLines(const QStringList &lines)
{
    ServerConfig c;
    c.database = lineAt(lines, 1);
    c.server = lineAt(lines, 2);
    c.authMode = lineAt(lines, 3).trimmed().toInt();
    c.user = lineAt(lines, 4);
    c.password = PasswordScrambler::UnscramblePassword(lineAt(lines, 5));
    const QString version = lineAt(lines, 6).trimmed();
    c.sqlVersion = version.isEmpty() ? QStringLiteral("SQL2005") : version;
    return c;
}

std::optional<ServerConfig> ServerConfig::read(const QString &path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return fromLines(TextLines::ReadLines(path));
}

QStringList ServerConfig::toLines() const
{
    const bool login = authMode != 0;
    return {database,
            server,
            login ? QStringLiteral("1") : QStringLiteral("0"),
            login ? user : QString(),
            login ? PasswordScrambler::ScramblePassword(password) : QString(),
            sqlVersion == QLatin1String("SQL2000") ? QStringLiteral("SQL2000")
                                                   : QStringLiteral("SQL2005"),
            QString()};
}

bool ServerConfig::write(const QString &path) const
{
    return TextLines::WriteLines(path, toLines());
}

QString ServerConfig::databaseNameProblem(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("Falta el nombre de la base de datos.");
    if (trimmed.contains(QLatin1Char('/')) || trimmed.contains(QLatin1Char('\\')) ||
        trimmed.contains(QStringLiteral("..")))
        return QStringLiteral("El nombre de la base de datos no puede contener \"/\", \"\\\" "
                              "ni \"..\": %1")
            .arg(trimmed);
    return {};
}

bool ServerConfig::isEmbedded() const
{
    const QString s = server.trimmed();
    return s.isEmpty() || s.compare(LocalServer, Qt::CaseInsensitive) == 0;
}

ConnectionSettings ServerConfig::toConnectionSettings(const QString &dataFolder) const
{
    ConnectionSettings s;
    if (isEmbedded()) {
        s.engine = Engine::Sqlite;
        s.database = QDir(dataFolder).filePath(database.trimmed() + QStringLiteral(".sqlite"));
        return s;
    }
    s.engine = Engine::Postgres;
    s.database = database.trimmed();
    const QString host = server.trimmed();
    const int colon = host.lastIndexOf(QLatin1Char(':'));
    bool portOk = false;
    const int port = colon > 0 ? host.mid(colon + 1).toInt(&portOk) : 0;
    if (!host.startsWith(QLatin1Char('/')) && portOk) {
        s.host = host.left(colon);
        s.port = port;
    } else {
        s.host = host;
    }
    if (authMode != 0) {
        s.user = user.trimmed();
        s.password = password;
    }
    return s;
}

QString ServerConfig::serverAndDatabase() const
{
    return (isEmbedded() ? LocalServer : server.trimmed()) + QLatin1Char('\\') + database.trimmed();
}
