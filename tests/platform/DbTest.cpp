#include "platform/Db.h"
#include "platform/Transaction.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class DbTest : public ::testing::Test
{
protected:
    DbTest()
        : data(TestDatabase::Content::Empty)
    {
        TableDef t("PRUEBA");
        t.code("Codigo", 15).text("Nombre", 100).money("Valor").primaryKey({"Codigo"});
        db().execScript(db().dialect().createTable(t));
    }
    Db &db() { return data.db(); }
    qlonglong count() { return db().scalar("SELECT COUNT(*) FROM PRUEBA").toLongLong(); }
    void insert(const QString &code, qlonglong value = 0)
    {
        db().exec("INSERT INTO PRUEBA (Codigo, Nombre, Valor) VALUES (?, ?, ?)",
                  {code, QStringLiteral("N"), value});
    }

    TestDatabase data;
};

TEST_F(DbTest, BoundValuesAreNeverReadAsSql)
{
    const QString hostile = QStringLiteral("x'); DROP TABLE PRUEBA; --");
    db().exec("INSERT INTO PRUEBA (Codigo, Nombre) VALUES (?, ?)", {QStringLiteral("A"), hostile});
    EXPECT_EQ(db().scalar("SELECT Nombre FROM PRUEBA WHERE Codigo = ?", {"A"}).toString(), hostile);
    EXPECT_TRUE(db().exists("SELECT 1 FROM PRUEBA WHERE Nombre = ?", {hostile}));
    EXPECT_EQ(count(), 1);
}

TEST_F(DbTest, HelpersReturnRowsScalarsAndAffectedCounts)
{
    insert("A", 1);
    insert("B", 2);
    insert("C", 3);
    EXPECT_EQ(db().exec("UPDATE PRUEBA SET Valor = Valor + 10 WHERE Codigo <> ?", {"B"}), 2);
    const auto rows = db().rows("SELECT Codigo, Valor FROM PRUEBA ORDER BY Codigo");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].value("Codigo").toString(), "A");
    EXPECT_EQ(rows[2].value("valor").toLongLong(), 13); // field lookup ignores case
    EXPECT_TRUE(db().scalar("SELECT Valor FROM PRUEBA WHERE Codigo = ?", {"Z"}).isNull());
    EXPECT_FALSE(db().exists("SELECT 1 FROM PRUEBA WHERE Codigo = ?", {"Z"}));
}

TEST_F(DbTest, ErrorsCarryTheStatementAndTheEngineMessage)
{
    insert("A");
    try {
        insert("A");
        FAIL() << "duplicate key accepted";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.statement().startsWith("INSERT INTO PRUEBA"));
        EXPECT_FALSE(e.engineMessage().isEmpty());
        EXPECT_TRUE(e.userText().contains(e.engineMessage()));
    }
    EXPECT_THROW(db().exec("SELECT NoSuchColumn FROM PRUEBA"), DbError);
}

TEST_F(DbTest, TransactionRollsBackUnlessCommitted)
{
    try {
        Transaction tx(db());
        insert("A");
        insert("B");
        insert("A"); // fails: the whole change must go
        tx.commit();
    } catch (const DbError &) {
    }
    EXPECT_EQ(count(), 0);
    EXPECT_FALSE(db().inTransaction());

    {
        Transaction tx(db());
        insert("A");
        tx.commit();
    }
    {
        Transaction forgotten(db());
        insert("B");
    }
    EXPECT_EQ(count(), 1);
}

TEST_F(DbTest, NestedTransactionIsASavepointOfItsCaller)
{
    Transaction outer(db());
    insert("A");
    try {
        Transaction inner(db());
        insert("B");
        insert("A");
        inner.commit();
    } catch (const DbError &) {
    }
    EXPECT_EQ(count(), 1); // the inner work is undone, the outer survives
    {
        Transaction inner(db());
        insert("C");
        inner.commit();
    }
    outer.commit();
    EXPECT_EQ(count(), 2);
}

TEST_F(DbTest, CommittedWorkIsSeenByAnotherConnectionOnlyAfterCommit)
{
    auto other = data.openAnother();
    Transaction tx(db());
    insert("A");
    EXPECT_EQ(other->scalar("SELECT COUNT(*) FROM PRUEBA").toLongLong(), 0);
    tx.commit();
    EXPECT_EQ(other->scalar("SELECT COUNT(*) FROM PRUEBA").toLongLong(), 1);
}

TEST_F(DbTest, LargeAmountsAndTheirSumsStayExact)
{
    const qlonglong big = 4'503'599'627'370'497LL; // 2^52 + 1: lost by a double
    insert("A", big);
    insert("B", big);
    EXPECT_EQ(db().scalar("SELECT Valor FROM PRUEBA WHERE Codigo = ?", {"A"}).toLongLong(), big);
    EXPECT_EQ(Money::fromSql(db().scalar("SELECT SUM(Valor) FROM PRUEBA")).thousandths(), 2 * big);
}

TEST_F(DbTest, AStatementKeptWaitingByALockGivesUpWithTheSameWordsOnBothEngines)
{
    insert("A");
    ConnectionSettings impatient = data.settings();
    impatient.lockTimeoutMs = 200;
    auto other = Db::open(impatient);
    Transaction holding(db());
    db().exec("UPDATE PRUEBA SET Valor = 1 WHERE Codigo = ?", {"A"});
    try {
        other->exec("UPDATE PRUEBA SET Valor = 2 WHERE Codigo = ?", {"A"});
        FAIL() << "the row was written under another connection's lock";
    } catch (const DbError &e) {
        EXPECT_EQ(e.userText(), Db::BusyMessage);
    }
    holding.commit();
    EXPECT_EQ(other->exec("UPDATE PRUEBA SET Valor = 2 WHERE Codigo = ?", {"A"}), 1);
}

TEST_F(DbTest, AReadOnlyConnectionWritesNothing)
{
    insert("A");
    auto reader = Db::open(data.settings(), Db::Access::ReadOnly);
    EXPECT_EQ(reader->scalar("SELECT COUNT(*) FROM PRUEBA").toInt(), 1);
    EXPECT_THROW(reader->exec("DELETE FROM PRUEBA"), DbError);
    EXPECT_EQ(count(), 1);
}

TEST(DbOpen, ReportsAnUnreachableDatabase)
{
    ConnectionSettings s;
    s.database = "/nonexistent-folder/sub/x.sqlite";
    EXPECT_THROW(Db::open(s), DbError);
}

TEST(DbOpen, SqliteConnectionEnforcesForeignKeysAndUsesWal)
{
    if (TestDatabase::usingPostgres())
        GTEST_SKIP() << "SQLite settings";
    TestDatabase data(TestDatabase::Content::Empty);
    EXPECT_EQ(data.db().scalar("PRAGMA foreign_keys").toInt(), 1);
    EXPECT_EQ(data.db().scalar("PRAGMA journal_mode").toString(), "wal");
}

TEST(DbOpen, ANewSqliteFileIsReadableByItsOwnerOnly)
{
    if (TestDatabase::usingPostgres())
        GTEST_SKIP() << "SQLite files";
    QTemporaryDir dir;
    ConnectionSettings s;
    s.database = dir.filePath("nueva.sqlite");
    const mode_t previous = ::umask(022);
    {
        auto db = Db::open(s);
        db->exec("CREATE TABLE T (A INTEGER)");
        EXPECT_EQ(QFile::permissions(s.database + "-wal"),
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
    ::umask(previous);
    EXPECT_EQ(QFile::permissions(s.database),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    // A read-only look never creates the file it was asked about.
    s.database = dir.filePath("otra.sqlite");
    EXPECT_THROW(Db::open(s, Db::Access::ReadOnly), DbError);
    EXPECT_FALSE(QFile::exists(s.database));
}

TEST(DbOpen, ADamagedSqliteFileIsNamedWhenOpened)
{
    if (TestDatabase::usingPostgres())
        GTEST_SKIP() << "SQLite files";
    QTemporaryDir dir;
    ConnectionSettings s;
    s.database = dir.filePath("rota.sqlite");
    {
        auto db = Db::open(s);
        db->exec("CREATE TABLE T (A INTEGER, B TEXT)");
        db->exec("CREATE INDEX IX_T ON T (B)");
        for (int i = 0; i < 2000; ++i)
            db->exec("INSERT INTO T (A, B) VALUES (?, ?)", {i, QString(40, QChar('a' + i % 26))});
        db->exec("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    QFile f(s.database);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(f.size() / 2);
    f.write(QByteArray(8192, '\x5a'));
    f.close();
    try {
        Db::open(s);
        FAIL() << "a damaged file was opened";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.userText().contains(s.database)) << e.userText().toStdString();
    }
}

} // namespace
