#pragma once

#include "platform/ConnectionSettings.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QTextStream>

class Db;

// "valdoria-cli vouchers import --company C [--user U] FILE.csv": vouchers from another
// system posted from a file, all or nothing.
namespace VoucherImportCommand {

inline const QString Command = QStringLiteral("vouchers");
inline const QString Action = QStringLiteral("import");
inline const QString Usage = QStringLiteral(
    "  vouchers import --company C [--user U] ARCHIVO.csv\n"
    "           contabiliza los comprobantes de un archivo de otro sistema (ver README),\n"
    "           todos o ninguno; las líneas quedan a nombre de U, un usuario de Valdoria\n"
    "           (por omisión el usuario del sistema operativo, en mayúsculas)\n");

QList<QCommandLineOption> options();

// The user recorded on the lines when --user is not given: the operating system's user name,
// in capitals as users log in. Empty when it cannot be told.
QString defaultUser();

// Reads and checks `file`, then posts its vouchers on `db`. Exit codes as the other commands:
// 0 posted, 1 failed, 3 refused (nothing posted; the row and the reason on `err`).
int Run(Db &db, const QString &company, const QString &user, const QString &file, QTextStream &out,
        QTextStream &err);
int Run(const ConnectionSettings &settings, const QString &company, const QString &user,
        const QString &file, QTextStream &out, QTextStream &err);

} // namespace VoucherImportCommand
