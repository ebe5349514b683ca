#pragma once

#include <QString>

// rutareporte.txt: the workstation's own report directory, overriding the database default.
namespace ReportPathConfig {
inline const QString FileName = QStringLiteral("rutareporte.txt");
// First line of the file; empty when the file is missing or its first line is empty.
QString read(const QString &path);
bool write(const QString &path, const QString &directory);
// Deletes the file when it exists; true when it is gone afterwards.
bool remove(const QString &path);
} // namespace ReportPathConfig

struct Session;
namespace ReportPathConfig {
// Accepting the report-directory window: a directory is written as the file's only line and
// used at once; an empty one deletes the file, and the session keeps its directory until the
// next start. False when the file could not be written or deleted.
bool Apply(Session &session, const QString &dataFolder, const QString &directory);
} // namespace ReportPathConfig
