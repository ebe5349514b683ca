#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ScriptRun
{
    int code = -1;
    QString err;
};

ScriptRun script(const QString &name, const QString &dir)
{
    QProcess p;
    p.start(QStringLiteral(VALDORIA_SOURCE_DIR "/scripts/") + name, {dir});
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

// The test cluster scripts run as root in CI: a folder they did not set up is never handed to
// the postgres account, never has its mode changed, never deleted.
TEST(ClusterScripts, AFolderTheyDidNotSetUpIsRefusedUntouched)
{
    QTemporaryDir home;
    const QString folder = home.filePath("libros");
    QDir().mkpath(folder);
    QFile precious(folder + "/balance.txt");
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.write("activo = pasivo + capital\n");
    precious.close();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                      QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                      QFile::ExeOther);
    const QFileInfo before(folder);

    const QString emptyShared = home.filePath("compartida");
    QDir().mkpath(emptyShared);
    QFile::setPermissions(emptyShared, before.permissions());

    for (const QString &dir : {folder, emptyShared}) {
        const ScriptRun start = script("pg-start.sh", dir);
        EXPECT_EQ(start.code, 1) << dir.toStdString();
        EXPECT_TRUE(start.err.contains("no es una carpeta de clúster de prueba de Valdoria"))
            << start.err.toStdString();
        const QFileInfo after(dir);
        EXPECT_EQ(after.permissions(), before.permissions()) << dir.toStdString();
        EXPECT_EQ(after.ownerId(), before.ownerId()) << dir.toStdString();
        EXPECT_FALSE(QFile::exists(dir + "/.valdoria-pg-cluster"));
    }

    const ScriptRun stop = script("pg-stop.sh", folder);
    EXPECT_EQ(stop.code, 1);
    EXPECT_TRUE(stop.err.contains("no es una carpeta de clúster de prueba de Valdoria"));
    EXPECT_TRUE(QFile::exists(folder + "/balance.txt"));
}

TEST(ClusterScripts, AFolderTheySetUpIsRemovedWhenStopped)
{
    QTemporaryDir home;
    const QString folder = home.filePath("cluster");
    QDir().mkpath(folder);
    QFile marker(folder + "/.valdoria-pg-cluster");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_EQ(script("pg-stop.sh", folder).code, 0);
    EXPECT_FALSE(QFileInfo::exists(folder));
    // Nothing there: nothing to stop.
    EXPECT_EQ(script("pg-stop.sh", folder).code, 0);
}

} // namespace
