#include "platform/ConnectionSettings.h"

QString ConnectionSettings::describe() const
{
    if (engine == Engine::Sqlite)
        return QStringLiteral("SQLite: ") + database;
    QString server = host.isEmpty() ? QStringLiteral("localhost") : host;
    if (port > 0)
        server += QLatin1Char(':') + QString::number(port);
    return QStringLiteral("PostgreSQL: ") + server + QLatin1Char('/') + database;
}
