#include "common/grid/CatalogService.h"
#include "GridSamples.h"
#include "common/grid/CatalogPicker.h"
#include "common/grid/GridModel.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Stands in for the window: looks at the rows it is given and picks a row or gives up.
class FakePicker : public CatalogPicker
{
public:
    std::optional<int> pick(GridModel &rows) override
    {
        ++calls;
        if (inspect)
            inspect(rows);
        return answer;
    }

    std::optional<int> answer;
    std::function<void(GridModel &)> inspect;
    int calls = 0;
};

class CatalogTest : public ::testing::Test
{
protected:
    CatalogTest() { GridSamples::addChart(db()); }

    Db &db() { return data.db(); }
    CatalogResult lookup(const QVariantList &parameters,
                         const QString &command = GridSamples::AccountLookup)
    {
        return ShowCatalog(db(), prompter, picker, parameters, command);
    }

    TestDatabase data;
    ScriptedPrompter prompter;
    FakePicker picker;
};

TEST_F(CatalogTest, OneRowIsTakenWithoutOpeningTheWindow)
{
    const CatalogResult r = lookup({"1101%"});
    EXPECT_EQ(picker.calls, 0);
    EXPECT_EQ(r.values, QStringList({"1101", "CAJA", "0", "1"}));
    EXPECT_EQ(r.recordCount, 1);
    EXPECT_TRUE(r.picked());
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(CatalogTest, NoRowWarnsAndLeavesEveryElementEmpty)
{
    const CatalogResult r = lookup({"9%"});
    EXPECT_EQ(picker.calls, 0);
    EXPECT_EQ(r.values, QStringList({"", "", "", ""}));
    EXPECT_FALSE(r.picked());
    // The count of the previous lookup stands.
    EXPECT_FALSE(r.recordCount.has_value());
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].kind, ScriptedPrompter::Kind::Warning);
    EXPECT_EQ(prompter.lastText(), "No hay datos registrados.");
}

TEST_F(CatalogTest, SinMsjSilencesTheEmptyListWhereverItStands)
{
    EXPECT_FALSE(lookup({"9%", "SinMsj"}).picked());
    EXPECT_FALSE(lookup({"SinMsj", "9%"}).picked());
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(CatalogTest, SinMsjIsNotBoundAsAValue)
{
    // Were "SinMsj" bound to the first "?", no code would match it.
    picker.answer = 0;
    const CatalogResult r = lookup({"SinMsj", "1%"});
    EXPECT_EQ(picker.calls, 1);
    EXPECT_EQ(r.element(1), "1");
}

TEST_F(CatalogTest, ParametersAreBoundInTheirOrder)
{
    const QString command = "SELECT Codigo, Nombre FROM CUENTACONTABLE "
                            "WHERE Codigo LIKE ? AND Nombre LIKE ? ORDER BY Codigo";
    EXPECT_EQ(lookup({"11%", "%BANCO%"}, command).values, QStringList({"1102", "BANCOS"}));
    EXPECT_FALSE(lookup({"%BANCO%", "11%", "SinMsj"}, command).picked());
}

TEST_F(CatalogTest, QuotesInValuesAreBoundNotPasted)
{
    db().exec("INSERT INTO TERCERO (Codigo, Nombre) VALUES (?, ?)", {"V-1", "O'BRIEN S.A."});
    const CatalogResult r =
        lookup({"O'B%"}, "SELECT Codigo, Nombre FROM TERCERO WHERE Nombre LIKE ?");
    EXPECT_EQ(r.values, QStringList({"V-1", "O'BRIEN S.A."}));
}

TEST_F(CatalogTest, ThePickedRowComesBackWithItsHiddenColumnsInPlace)
{
    picker.answer = 2; // "1101 CAJA" among 1, 11, 1101, 1102
    const CatalogResult r = lookup({"1%"});
    EXPECT_EQ(picker.calls, 1);
    EXPECT_EQ(r.values, QStringList({"1101", "CAJA", "0", "1"}));
    EXPECT_EQ(r.recordCount, 4);
    EXPECT_EQ(r.element(3), "0");
    EXPECT_EQ(r.element(5), "");
}

TEST_F(CatalogTest, TheWindowIsToldWhichColumnsToHideAndWhichIsTheState)
{
    picker.inspect = [](GridModel &rows) {
        ASSERT_EQ(rows.columnCount(), 4);
        EXPECT_FALSE(rows.column(0).hidden);
        EXPECT_TRUE(rows.column(2).hidden);
        EXPECT_TRUE(rows.column(3).status);
        EXPECT_FALSE(rows.column(1).status);
        EXPECT_EQ(rows.data(rows.index(0, 3), GridModel::StateRole), QVariant(0));
        EXPECT_EQ(rows.data(rows.index(2, 3), GridModel::StateRole), QVariant(1));
    };
    lookup({"%"});
    EXPECT_EQ(picker.calls, 1);
}

TEST_F(CatalogTest, EscapeLeavesAnEmptyFirstElement)
{
    picker.answer = std::nullopt;
    const CatalogResult r = lookup({"%"});
    EXPECT_EQ(r.values, QStringList({"", "", "", ""}));
    EXPECT_FALSE(r.picked());
    EXPECT_EQ(r.recordCount, 6);
}

TEST_F(CatalogTest, APickInANarrowedListIsTheNarrowedRow)
{
    picker.inspect = [](GridModel &rows) { rows.setFilterPrefix("banc"); };
    picker.answer = 0;
    EXPECT_EQ(lookup({"%"}).element(1), "1102");
}

TEST_F(CatalogTest, AFailingStatementReachesTheCaller)
{
    EXPECT_THROW(lookup({"%"}, "SELECT Codigo FROM NOEXISTE WHERE Codigo LIKE ?"), DbError);
    EXPECT_EQ(picker.calls, 0);
}

TEST(CatalogArgumentsTest, SinMsjIsTakenOutOfTheValues)
{
    const CatalogArguments a = CatalogArguments::from({"A%", "SinMsj", 3});
    EXPECT_TRUE(a.silent);
    EXPECT_EQ(a.values, QVariantList({"A%", 3}));
    EXPECT_FALSE(CatalogArguments::from({"sinmsj"}).silent);
}

// A hundred thousand third parties: the window gets its first rows at once and the rest
// only as it scrolls, and typing narrows the list on the server.
TEST(CatalogOnBigTables, OpensWithoutReadingEveryRow)
{
    TestDatabase data;
    QElapsedTimer clock;
    clock.start();
    GridSamples::addParties(data.db(), 100000);
    const qint64 filling = clock.restart();

    ScriptedPrompter prompter;
    FakePicker picker;
    int firstRows = -1;
    bool more = false;
    int narrowed = -1;
    picker.inspect = [&](GridModel &rows) {
        firstRows = rows.rowCount();
        more = rows.canFetchMore();
        rows.fetchMore();
        EXPECT_EQ(rows.rowCount(), 2 * GridModel::FetchChunk);
        rows.setFilterPrefix("J-00009999");
        narrowed = rows.totalRows();
    };
    picker.answer = 0;
    const CatalogResult r = ShowCatalog(data.db(), prompter, picker, {"J-%"},
                                        "SELECT Codigo, Nombre FROM TERCERO "
                                        "WHERE Codigo LIKE ? ORDER BY Codigo");
    const qint64 opening = clock.elapsed();
    EXPECT_EQ(firstRows, GridModel::FetchChunk);
    EXPECT_TRUE(more);
    EXPECT_EQ(r.recordCount, 100000);
    EXPECT_EQ(narrowed, 10); // J-000099990 .. J-000099999
    EXPECT_EQ(r.element(1), "J-000099990");
    RecordProperty("fill_ms", int(filling));
    RecordProperty("open_ms", int(opening));
}

} // namespace
