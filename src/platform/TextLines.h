#pragma once

#include <QString>
#include <QStringList>

// Small text files of one value per line (the configuration files).
namespace TextLines {
// Every line of the file, without line ends; empty when the file cannot be read.
QStringList ReadLines(const QString &path);
// Writes each element as one line ended by CR LF, replacing the file atomically. The file is
// readable by its owner only: configuration files may hold a password.
// Returns false when the file could not be written.
bool WriteLines(const QString &path, const QStringList &lines);
} // namespace TextLines
