#include "platform/ConnectionSettings.h"

#include <QStringList>

QString ConnectionSettings::describe() const
{
    if (engine == Engine::Sqlite)
        return QStringLiteral("SQLite: ") + database;
    QString server = host.isEmpty() ? QStringLiteral("localhost") : host;
    if (port > 0)
        server += QLatin1Char(':') + QString::number(port);
    return QStringLiteral("PostgreSQL: ") + server + QLatin1Char('/') + database;
}

ConnectionSettings ConnectionSettings::fromKeyValues(const QString &text, const QString &database)
{
    ConnectionSettings s;
    s.engine = Engine::Postgres;
    s.database = database;
    for (const QString &pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = pair.section(QLatin1Char('='), 0, 0);
        const QString value = pair.section(QLatin1Char('='), 1);
        if (key == QLatin1String("host"))
            s.host = value;
        else if (key == QLatin1String("port"))
            s.port = value.toInt();
        else if (key == QLatin1String("user"))
            s.user = value;
        else if (key == QLatin1String("password"))
            s.password = value;
        else if (key == QLatin1String("sslmode"))
            s.sslMode = value;
    }
    return s;
}
