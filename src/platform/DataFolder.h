#pragma once

#include <QString>

// The folder that holds the configuration files srvsql.txt and rutareporte.txt and the
// embedded database: <program folder>/data when it can be written, else the user's own
// application data folder. VALDORIA_DATA overrides both.
namespace DataFolder {
QString path();
// Creates the folder when missing; returns its path. Throws std::runtime_error on failure.
QString EnsureDataFolder();
QString file(const QString &name);
// Creates `dir` (and its parents) when missing, the folder itself readable by its owner only:
// it holds the database password and the embedded database. False when it cannot be made.
bool create(const QString &dir);
} // namespace DataFolder
