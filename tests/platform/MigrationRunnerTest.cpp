#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

Migration createTable(int version, const QString &name)
{
    return {version, "tabla " + name, [name](Db &db) {
                TableDef t(name);
                t.code("Codigo", 10).primaryKey({"Codigo"});
                db.execScript(db.dialect().createTable(t));
            }};
}

TEST(MigrationRunner, CreatesAnEmptyDatabaseAndUpgradesAnOlderOne)
{
    TestDatabase data(TestDatabase::Content::Empty);
    MigrationRunner first(data.db(), {createTable(1, "UNO")});
    EXPECT_EQ(first.currentVersion(), 0);
    EXPECT_EQ(first.migrate(), 1);
    EXPECT_EQ(first.currentVersion(), 1);
    EXPECT_EQ(first.migrate(), 0);  // nothing pending

    MigrationRunner later(data.db(), {createTable(2, "DOS"), createTable(1, "UNO")});
    EXPECT_TRUE(later.needsUpgrade());
    EXPECT_EQ(later.migrate(), 1);
    EXPECT_EQ(later.currentVersion(), 2);
    EXPECT_TRUE(data.db().hasTable("DOS"));
}

TEST(MigrationRunner, RefusesADatabaseOfANewerProgram)
{
    TestDatabase data(TestDatabase::Content::Empty);
    MigrationRunner(data.db(), {createTable(1, "UNO"), createTable(2, "DOS")}).migrate();
    MigrationRunner older(data.db(), {createTable(1, "UNO")});
    try {
        older.migrate();
        FAIL() << "a newer database was accepted";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains("2")) << e.what();
        EXPECT_TRUE(e.message().contains("1")) << e.what();
    }
    EXPECT_EQ(older.currentVersion(), 2);
}

TEST(MigrationRunner, AFailedMigrationLeavesTheDatabaseAsItWas)
{
    TestDatabase data(TestDatabase::Content::Empty);
    MigrationRunner(data.db(), {createTable(1, "UNO")}).migrate();
    Migration broken{2, "rota", [](Db &db) {
                         db.exec("CREATE TABLE TRES (Codigo VARCHAR(10))");
                         db.exec("INSERT INTO NOEXISTE VALUES (1)");
                     }};
    MigrationRunner runner(data.db(), {createTable(1, "UNO"), broken});
    EXPECT_THROW(runner.migrate(), DbError);
    EXPECT_EQ(runner.currentVersion(), 1);
    EXPECT_FALSE(data.db().hasTable("TRES"));
}

} // namespace
