#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"
#include "platform/SqlDialect.h"
#include "platform/TextLines.h"
#include "support/Printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TEST(TextLines, WritesCrLfLinesAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");
    ASSERT_TRUE(TextLines::WriteLines(path, {"uno", "", "tres ñ"}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("uno\r\n\r\ntres \xc3\xb1\r\n"));
    EXPECT_EQ(TextLines::ReadLines(path), QStringList({"uno", "", "tres ñ"}));
    EXPECT_TRUE(TextLines::ReadLines(dir.filePath("missing")).isEmpty());
}

TEST(TextLines, ConfigurationFilesAreReadableByTheirOwnerOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("srvsql.txt");
    const auto ownerOnly =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    const mode_t previous = ::umask(022);
    ASSERT_TRUE(TextLines::WriteLines(path, {"valdoria", "(local)"}));
    EXPECT_EQ(QFile::permissions(path), ownerOnly);
    // A file left readable by an earlier version is tightened when it is written again.
    QFile::setPermissions(path, ownerOnly | QFile::ReadGroup | QFile::ReadOther);
    ASSERT_TRUE(TextLines::WriteLines(path, {"valdoria", "db.oficina"}));
    ::umask(previous);
    EXPECT_EQ(QFile::permissions(path), ownerOnly);
}

TEST(DataFolder, AFolderTheProgramCreatesIsItsOwnersOnly)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("ServidorSQL/Valdoria/data");
    const mode_t previous = ::umask(022);
    ASSERT_TRUE(DataFolder::create(folder));
    ::umask(previous);
    EXPECT_EQ(QFile::permissions(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    EXPECT_TRUE(DataFolder::create(folder)); // already there
}

TEST(SingleInstance, ASecondCopyIsRefusedUntilTheFirstEnds)
{
    const QString key = "test-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        SingleInstance first(key);
        ASSERT_TRUE(first.acquire());
        SingleInstance second(key);
        EXPECT_FALSE(second.acquire());
    }
    SingleInstance again(key);
    EXPECT_TRUE(again.acquire());
}

TEST(SqlDialect, TablesDifferOnlyWhereTheEnginesDo)
{
    TableDef t("CUENTA");
    t.autoKey("Id").code("Codigo", 12).money("Saldo").date("Fecha").flag("Status", "1");
    t.unique({"Codigo"}).index({"Fecha"});
    const auto sqlite = SqlDialect::create(Engine::Sqlite)->createTable(t);
    const auto pg = SqlDialect::create(Engine::Postgres)->createTable(t);
    ASSERT_EQ(sqlite.size(), 2);
    EXPECT_EQ(sqlite[0], "CREATE TABLE CUENTA (\n"
                         "    Id INTEGER PRIMARY KEY AUTOINCREMENT,\n"
                         "    Codigo VARCHAR(12) NOT NULL,\n"
                         "    Saldo INTEGER NOT NULL DEFAULT 0,\n"
                         "    Fecha TEXT,\n"
                         "    Status INTEGER NOT NULL DEFAULT 1,\n"
                         "    UNIQUE (Codigo)\n)");
    EXPECT_EQ(pg[0], "CREATE TABLE CUENTA (\n"
                     "    Id BIGSERIAL PRIMARY KEY,\n"
                     "    Codigo VARCHAR(12) NOT NULL,\n"
                     "    Saldo BIGINT NOT NULL DEFAULT 0,\n"
                     "    Fecha DATE,\n"
                     "    Status INTEGER NOT NULL DEFAULT 1,\n"
                     "    UNIQUE (Codigo)\n)");
    EXPECT_EQ(pg[1], "CREATE INDEX IX_CUENTA_Fecha ON CUENTA (Fecha)");
}

TEST(SqlDialect, LongIndexNamesFitPostgresAndStayDistinct)
{
    TableDef t("MOVIMIENTO_CONSOLIDADO");
    t.code("EmpresaConsolidacion", 15).code("TipoComprobanteConsolidacion", 3);
    t.code("NumeroComprobanteConsolidacion", 10);
    t.index(
         {"EmpresaConsolidacion", "TipoComprobanteConsolidacion", "NumeroComprobanteConsolidacion"})
        .index({"EmpresaConsolidacion", "TipoComprobanteConsolidacion"});
    const auto pg = SqlDialect::create(Engine::Postgres)->createTable(t);
    ASSERT_EQ(pg.size(), 3);
    const QString first = pg[1].section(' ', 2, 2);
    const QString second = pg[2].section(' ', 2, 2);
    EXPECT_LE(first.size(), 63);
    EXPECT_LE(second.size(), 63);
    EXPECT_NE(first, second);
    EXPECT_TRUE(first.startsWith("IX_MOVIMIENTO_CONSOLIDADO_EmpresaConsolidacion"));
}

TEST(SqlDialect, UpsertUpdatesEveryColumnOutsideTheKey)
{
    const auto d = SqlDialect::create(Engine::Postgres);
    EXPECT_EQ(d->upsert("TRM", {"Ano", "Mes", "Valor"}, {"Ano", "Mes"}),
              "INSERT INTO TRM (Ano,Mes,Valor) VALUES (?,?,?) ON CONFLICT (Ano,Mes) "
              "DO UPDATE SET Valor = excluded.Valor");
}

} // namespace
