#include "shell/ReportPathConfig.h"

#include "platform/TextLines.h"

#include <QFile>

namespace ReportPathConfig {

QString read(const QString &path)
{
    const QStringList lines = TextLines::ReadLines(path);
    return lines.isEmpty() ? QString() : lines.first().trimmed();
}

bool write(const QString &path, const QString &directory)
{
    return TextLines::WriteLines(path, {directory});
}

bool remove(const QString &path)
{
    return !QFile::exists(path) || QFile::remove(path);
}

} // namespace ReportPathConfig

#include "common/Session.h"
#include "platform/DataFolder.h"

#include <QDir>

namespace ReportPathConfig {

bool Apply(Session &session, const QString &dataFolder, const QString &directory)
{
    const QString path = QDir(dataFolder).filePath(FileName);
    const QString trimmed = directory.trimmed();
    if (trimmed.isEmpty())
        return remove(path);
    if (!DataFolder::create(dataFolder) || !write(path, trimmed))
        return false;
    session.gRutaReporte = trimmed;
    return true;
}

} // namespace ReportPathConfig
