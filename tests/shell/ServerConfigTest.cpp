#include "shell/PasswordScrambler.h"
#include "shell/ReportPathConfig.h"
#include "shell/ServerConfig.h"
#include "common/Session.h"
#include "platform/TextLines.h"
#include "support/Printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ServerConfigFile, SixLinesAreEnoughAndAnEmptyVersionMeansSql2005)
{
    const QString scrambled = PasswordScrambler::ScramblePassword("s3cr3t'");
    const auto c = ServerConfig::fromLines({"contab", "dbserver", "1", "ana", scrambled, ""});
    EXPECT_EQ(c.database, "contab");
    EXPECT_EQ(c.server, "dbserver");
    EXPECT_EQ(c.authMode, 1);
    EXPECT_EQ(c.user, "ana");
    EXPECT_EQ(c.password, "s3cr3t'");
    EXPECT_EQ(c.sqlVersion, "SQL2005");
    EXPECT_EQ(ServerConfig::fromLines({"a", "b", "0", "", "", "SQL2000"}).sqlVersion, "SQL2000");
    EXPECT_EQ(ServerConfig::fromLines({"a", "b"}).sqlVersion, "SQL2005");
}

TEST(ServerConfigFile, WritesSevenLinesWithTheScrambledPasswordAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(ServerConfig::FileName);
    ServerConfig c;
    c.database = "contab";
    c.server = "db.oficina:5433";
    c.authMode = 1;
    c.user = "ana";
    c.password = "Clave Ñ 123";
    c.sqlVersion = "SQL2000";
    ASSERT_TRUE(c.write(path));

    const QStringList lines = TextLines::ReadLines(path);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines.mid(0, 4), QStringList({"contab", "db.oficina:5433", "1", "ana"}));
    EXPECT_NE(lines[4], c.password);
    EXPECT_FALSE(lines[4].contains("Clave"));
    EXPECT_EQ(lines[5], "SQL2000");
    EXPECT_EQ(lines[6], "");

    const auto back = ServerConfig::read(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->password, c.password);
    EXPECT_EQ(back->toLines(), c.toLines());
    EXPECT_FALSE(ServerConfig::read(dir.filePath("missing.txt")).has_value());
}

TEST(ServerConfigFile, OperatingSystemLoginWritesNoUserOrPassword)
{
    ServerConfig c;
    c.database = "contab";
    c.server = "(local)";
    c.authMode = 0;
    c.user = "left over";
    c.password = "left over";
    EXPECT_EQ(c.toLines(), QStringList({"contab", "(local)", "0", "", "", "SQL2005", ""}));
}

TEST(PasswordScrambling, IsReversibleAndStaysPrintable)
{
    QString every;
    for (char16_t u = 32; u < 127; ++u)
        every += QChar(u);
    const QString scrambled = PasswordScrambler::ScramblePassword(every);
    EXPECT_NE(scrambled, every);
    for (QChar c : scrambled)
        EXPECT_TRUE(c.unicode() >= 32 && c.unicode() < 127);
    EXPECT_EQ(PasswordScrambler::UnscramblePassword(scrambled), every);
    EXPECT_EQ(PasswordScrambler::UnscramblePassword(PasswordScrambler::ScramblePassword("ñandú")),
              "ñandú");
    EXPECT_EQ(PasswordScrambler::ScramblePassword(""), "");
}

TEST(EngineMapping, LocalServerIsTheEmbeddedFileInTheDataFolder)
{
    ServerConfig c;
    c.database = " contab ";
    for (const char *local : {"(local)", "(LOCAL)", "", "  "}) {
        c.server = local;
        const auto s = c.toConnectionSettings("/datos");
        EXPECT_EQ(s.engine, Engine::Sqlite) << local;
        EXPECT_EQ(s.database, "/datos/contab.sqlite");
    }
}

TEST(EngineMapping, AnyOtherServerIsPostgres)
{
    ServerConfig c;
    c.database = "contab";
    c.server = "db.oficina";
    c.authMode = 1;
    c.user = " ana ";
    c.password = "x";
    auto s = c.toConnectionSettings("/datos");
    EXPECT_EQ(s.engine, Engine::Postgres);
    EXPECT_EQ(s.host, "db.oficina");
    EXPECT_EQ(s.port, 0);
    EXPECT_EQ(s.database, "contab");
    EXPECT_EQ(s.user, "ana");
    EXPECT_EQ(s.password, "x");

    c.server = "10.0.0.5:5433";
    s = c.toConnectionSettings("/datos");
    EXPECT_EQ(s.host, "10.0.0.5");
    EXPECT_EQ(s.port, 5433);

    c.server = "/var/run/postgresql";
    c.authMode = 0;
    s = c.toConnectionSettings("/datos");
    EXPECT_EQ(s.host, "/var/run/postgresql");
    EXPECT_TRUE(s.user.isEmpty());  // peer authentication: the operating system's login
    EXPECT_TRUE(s.password.isEmpty());
    EXPECT_FALSE(s.describe().contains("x"));
}

TEST(ReportPath, ClearingTheDirectoryDeletesTheFileButKeepsTheSessionsDirectory)
{
    QTemporaryDir dir;
    Session session;
    session.gRutaReporte = "/reportes/base";
    ASSERT_TRUE(ReportPathConfig::Apply(session, dir.path(), "  /mis/reportes "));
    EXPECT_EQ(session.gRutaReporte, "/mis/reportes");
    const QString file = dir.filePath(ReportPathConfig::FileName);
    EXPECT_EQ(ReportPathConfig::read(file), "/mis/reportes");

    ASSERT_TRUE(ReportPathConfig::Apply(session, dir.path(), ""));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(session.gRutaReporte, "/mis/reportes");
}

} // namespace
