#pragma once

#include "platform/ConnectionSettings.h"

#include <QString>
#include <QTextStream>

// What valdoria-cli does, callable without a process so it can be tested.
namespace AdminCommands {

// Creates the database (PostgreSQL: on the server when missing), its schema and seed rows,
// and the administrator with `adminPassword`. Returns the exit code; messages go to `out`/`err`.
int Init(const ConnectionSettings &settings, const QString &adminPassword, QTextStream &out,
         QTextStream &err);
// Creates a demo database (schema, a head office and a branch, chart, third parties, users)
// and prints its credentials. The database must not hold any company yet.
int InitDemo(const ConnectionSettings &settings, QTextStream &out, QTextStream &err);
// Upgrades the schema to this program's version.
int Migrate(const ConnectionSettings &settings, QTextStream &out, QTextStream &err);
// Engine, schema version and the row count of every table.
int Info(const ConnectionSettings &settings, QTextStream &out, QTextStream &err);

} // namespace AdminCommands
