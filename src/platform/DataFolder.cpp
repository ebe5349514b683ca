#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <stdexcept>

namespace DataFolder {

namespace {
bool writableDir(const QString &dir)
{
    QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}
} // namespace

QString path()
{
    const QString overridden = qEnvironmentVariable("VALDORIA_DATA");
    if (!overridden.isEmpty())
        return QDir::cleanPath(overridden);

    const QString programDir = QCoreApplication::applicationDirPath();
    if (!programDir.isEmpty()) {
        const QString beside = QDir(programDir).filePath(QStringLiteral("data"));
        if (writableDir(beside) || (!QFileInfo::exists(beside) && writableDir(programDir)))
            return beside;
    }
    QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (appData.isEmpty())
        appData = QDir::home().filePath(QStringLiteral(".local/share/valdoria"));
    return QDir(appData).filePath(QStringLiteral("data"));
}

bool create(const QString &dir)
{
    if (QFileInfo(dir).isDir())
        return true;
    if (!QDir().mkpath(dir))
        return false;
    return QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString EnsureDataFolder()
{
    const QString dir = path();
    if (!create(dir))
        throw std::runtime_error(
            QStringLiteral("No se pudo crear la carpeta de datos %1").arg(dir).toStdString());
    return dir;
}

QString file(const QString &name)
{
    return QDir(path()).filePath(name);
}

} // namespace DataFolder
