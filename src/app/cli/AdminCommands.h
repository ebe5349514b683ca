#pragma once

#include "platform/ConnectionSettings.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

// What valdoria-cli does, callable without a process so it can be tested. Exit codes:
// 0 done, 1 failed, 2 wrong use of the command line, 3 refused (the database is missing,
// already exists, is empty, newer, or not Valdoria's).
namespace AdminCommands {

// Creates the database (PostgreSQL: on the server when missing), its schema and seed rows,
// and the administrator with `adminPassword`, all or nothing. A database that is not new is
// never changed. Messages go to `out`/`err`.
int Init(const ConnectionSettings &settings, const QString &adminPassword, QTextStream &out,
         QTextStream &err);
// Creates the demo database (schema, a head office and a branch, chart, third parties,
// users) and prints its credentials; a database built as the demo is built again. Any other
// existing database is refused untouched.
int InitDemo(const ConnectionSettings &settings, QTextStream &out, QTextStream &err);
// Upgrades an existing schema to this program's version.
int Migrate(const ConnectionSettings &settings, QTextStream &out, QTextStream &err);
// Engine, schema version and the row count of each of Valdoria's tables; changes nothing.
int Info(const ConnectionSettings &settings, QTextStream &out, QTextStream &err);

// The whole command line (`arguments` without the program name): options, then the command.
// `readPassword` gives init the administrator's password.
int Run(const QStringList &arguments, const std::function<std::optional<QString>()> &readPassword,
        QTextStream &out, QTextStream &err);
// The usage text that --help prints and every wrong use repeats.
QString Usage();

} // namespace AdminCommands
