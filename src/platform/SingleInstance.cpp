#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {
QString defaultKey()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME", QStringLiteral("usuario"));
    return user;
}
} // namespace

SingleInstance::SingleInstance(const QString &key)
{
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    QDir().mkpath(runtime);
    m_path = QDir(runtime).filePath(QStringLiteral("valdoria-%1.lock")
                                        .arg(key.isEmpty() ? defaultKey() : key));
    m_lock = std::make_unique<QLockFile>(m_path);
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    if (!m_held)
        m_held = m_lock->tryLock(0);
    return m_held;
}
