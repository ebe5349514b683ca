#include "platform/Db.h"
#include "platform/Transaction.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(rows[2].value("valor").toLongLong(), 13);  // field lookup ignores case
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
        insert("A");  // fails: the whole change must go
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
    { Transaction forgotten(db()); insert("B"); }
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
    EXPECT_EQ(count(), 1);  // the inner work is undone, the outer survives
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
    const qlonglong big = 4'503'599'627'370'497LL;  // 2^52 + 1: lost by a double
    insert("A", big);
    insert("B", big);
    EXPECT_EQ(db().scalar("SELECT Valor FROM PRUEBA WHERE Codigo = ?", {"A"}).toLongLong(), big);
    EXPECT_EQ(Money::fromSql(db().scalar("SELECT SUM(Valor) FROM PRUEBA")).thousandths(), 2 * big);
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

} // namespace
