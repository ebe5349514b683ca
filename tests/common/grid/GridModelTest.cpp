#include "common/grid/GridModel.h"
#include "common/grid/ColumnHeadings.h"
#include "GridSamples.h"
#include "common/grid/CodeQueries.h"
#include "common/grid/GridExport.h"
#include "common/grid/GridFind.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

class GridModelTest : public ::testing::Test
{
protected:
    GridModelTest() { GridSamples::addChart(db()); }

    Db &db() { return data.db(); }
    QStringList column(int c)
    {
        QStringList texts;
        for (int r = 0; r < rows.rowCount(); ++r)
            texts << rows.rowTexts(r).value(c);
        return texts;
    }

    TestDatabase data;
    GridModel rows;
};

TEST_F(GridModelTest, ReadsAChunkAtATimeAndCountsTheRest)
{
    GridSamples::addParties(db(), 600);
    rows.open(db(), "SELECT Codigo, Nombre FROM TERCERO WHERE Codigo <> ? ORDER BY Codigo", {"*"});
    EXPECT_EQ(rows.rowCount(), GridModel::FetchChunk);
    EXPECT_TRUE(rows.canFetchMore());
    EXPECT_EQ(rows.totalRows(), 600);
    rows.fetchMore();
    EXPECT_EQ(rows.rowCount(), 2 * GridModel::FetchChunk);
    EXPECT_TRUE(rows.fetchUpTo(599));
    EXPECT_FALSE(rows.fetchUpTo(600));
    EXPECT_FALSE(rows.canFetchMore());
    EXPECT_EQ(rows.rowTexts(599), QStringList({"J-000000600", "TERCERO 600"}));
}

TEST_F(GridModelTest, KeepsReadingWhileOtherStatementsRunOnTheConnection)
{
    GridSamples::addParties(db(), 600);
    rows.open(db(), "SELECT Codigo FROM TERCERO WHERE Codigo <> ? ORDER BY Codigo", {"*"});
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM CUENTACONTABLE").toInt(), 6);
    rows.fetchAll();
    EXPECT_EQ(rows.rowCount(), 600);
}

TEST_F(GridModelTest, DescribesItsColumnsAndGivesNullsAsEmptyTexts)
{
    rows.open(db(), GridSamples::AccountLookup, {"%"});
    ASSERT_EQ(rows.columnCount(), 4);
    // Raw column names are shown as words, on both engines (PostgreSQL folds them).
    EXPECT_EQ(rows.headerData(0, Qt::Horizontal).toString(), "Código");
    EXPECT_EQ(rows.column(0).kind, FieldKind::Text);
    EXPECT_EQ(rows.column(3).kind, FieldKind::Number);
    EXPECT_EQ(rows.column(3).format, ColumnFormat::Number);
    EXPECT_TRUE(rows.column(2).hidden);
    EXPECT_TRUE(rows.column(3).status);
    EXPECT_EQ(rows.columnIndex("STATUS"), 3);
    EXPECT_EQ(rows.columnIndex("Nada"), -1);
    EXPECT_EQ(rows.headerData(4, Qt::Vertical).toInt(), 5);

    // Nulls come as empty texts.
    rows.open(db(), "SELECT Codigo, NULL AS Nada FROM CUENTACONTABLE WHERE Codigo = ?", {"1101"});
    EXPECT_EQ(rows.rowTexts(0), QStringList({"1101", ""}));
}

TEST_F(GridModelTest, NarrowsToCodesOrNamesThatStartWithTheTypedText)
{
    rows.open(db(), GridSamples::AccountLookup, {"%"});
    rows.setFilterPrefix("11");
    EXPECT_EQ(column(0), QStringList({"11", "1101", "1102"}));
    EXPECT_EQ(rows.totalRows(), 3);
    rows.setFilterPrefix("prov");
    EXPECT_EQ(column(0), QStringList({"2101"}));
    // Neither a quote nor a name's middle matches; the typed text is only a value.
    rows.setFilterPrefix("O'");
    EXPECT_EQ(rows.rowCount(), 0);
    rows.setFilterPrefix("AJA");
    EXPECT_EQ(rows.rowCount(), 0);
    rows.setFilterPrefix("");
    EXPECT_EQ(rows.rowCount(), 6);

    // Narrowing keeps the statement's order.
    rows.open(db(), "SELECT Codigo, Nombre FROM CUENTACONTABLE ORDER BY Nombre DESC");
    rows.setFilterPrefix("ACTIVO");
    EXPECT_EQ(column(1), QStringList({"ACTIVO CIRCULANTE", "ACTIVO"}));
}

TEST_F(GridModelTest, PercentAndUnderscoreTypedStandForThemselves)
{
    db().exec("UPDATE CUENTACONTABLE SET Nombre = ? WHERE Nombre = ?", {"CAJA_CHICA", "CAJA"});
    rows.open(db(), GridSamples::AccountLookup, {"%"});
    rows.setFilterPrefix("%");
    EXPECT_EQ(rows.rowCount(), 0);
    rows.setFilterPrefix("1_");
    EXPECT_EQ(rows.rowCount(), 0);
    rows.setFilterPrefix("A%O");
    EXPECT_EQ(rows.rowCount(), 0);
    rows.setFilterPrefix("caja_");
    EXPECT_EQ(column(1), QStringList({"CAJA_CHICA"}));
}

TEST_F(GridModelTest, SortsByTheChosenLevelsAndStatesTheOrder)
{
    rows.open(db(), GridSamples::AccountLookup, {"%"});
    rows.setSortLevels({{3, true}, {1, false}});
    EXPECT_EQ(rows.sortText(), db().dialect().quote(rows.column(3).name) + "  DESC, " +
                                   db().dialect().quote(rows.column(1).name) + "  ASC");
    EXPECT_EQ(column(1), QStringList({"BANCOS", "CAJA", "PROVEEDORES", "ACTIVO",
                                      "ACTIVO CIRCULANTE", "PASIVO"}));
    rows.setFilterPrefix("1");
    EXPECT_EQ(column(1), QStringList({"BANCOS", "CAJA", "ACTIVO", "ACTIVO CIRCULANTE"}));
    rows.setSortLevels({});
    EXPECT_EQ(column(0), QStringList({"1", "11", "1101", "1102"}));
}

TEST_F(GridModelTest, ShowsCellsByTheirColumnsFormat)
{
    rows.open(db(),
              "SELECT Codigo, EsPadre, '2024-02-29' AS Fecha FROM CUENTACONTABLE "
              "WHERE Codigo = ?",
              {"1"});
    rows.setColumnFormat(1, ColumnFormat::CheckBox);
    rows.setColumnFormat(2, ColumnFormat::Date);
    EXPECT_EQ(rows.data(rows.index(0, 1), Qt::CheckStateRole), QVariant(Qt::Checked));
    EXPECT_FALSE(rows.data(rows.index(0, 1)).isValid());
    EXPECT_EQ(rows.data(rows.index(0, 2)).toString(), "29/02/2024");
    EXPECT_EQ(rows.data(rows.index(0, 2), Qt::EditRole).toDate(), QDate(2024, 2, 29));
    EXPECT_FALSE(rows.flags(rows.index(0, 1)) & Qt::ItemIsUserCheckable);

    rows.setColumnEditable(1, true);
    EXPECT_TRUE(rows.setData(rows.index(0, 1), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(rows.rowTexts(0).at(1), "0");
    EXPECT_FALSE(rows.setData(rows.index(0, 0), "X"));
}

// Amounts are stored in thousandths; a grid that knows a column holds amounts shows two
// decimals with the workstation's separators, searches by amount and hands back "##0.00".
TEST_F(GridModelTest, AmountColumnsShowSearchAndHandBackAmountsNotThousandths)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Venezuela));
    rows.open(db(),
              "SELECT Codigo, 1234567 AS Saldo FROM CUENTACONTABLE WHERE Codigo IN (?, ?) "
              "UNION ALL SELECT '9', -5 FROM PARAMETRO ORDER BY 1",
              {"1", "2"});
    rows.setColumnFormat(1, ColumnFormat::Amount);
    EXPECT_EQ(rows.data(rows.index(0, 1)).toString(), "1.234,57");
    EXPECT_EQ(rows.data(rows.index(0, 1), Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(rows.rowTexts(0).at(1), "1234.57");

    const auto typed =
        *FindCondition::forColumn(1, rows.column(1).kind, FindMode::WholeValue, "1.234,57");
    EXPECT_EQ(typed.test, FindCondition::Test::AmountEquals);
    EXPECT_EQ(FindRow(rows, typed, 0), 0);
    const auto plain =
        *FindCondition::forColumn(1, FieldKind::Amount, FindMode::WholeValue, "-0.01");
    EXPECT_EQ(FindRow(rows, plain, 0), 2);
    // The raw thousandths are not an amount anyone typed.
    const auto raw =
        *FindCondition::forColumn(1, FieldKind::Amount, FindMode::WholeValue, "1234567");
    EXPECT_EQ(FindRow(rows, raw, 0), -1);
    QLocale::setDefault(before);
}

TEST_F(GridModelTest, LaterColourBlocksCoverEarlierOnes)
{
    rows.open(db(), GridSamples::AccountLookup, {"%"});
    rows.setBlockBackground(0, 0, 2, 1, "red");
    rows.setBlockBackground(2, 1, 1, 1, "blue");
    EXPECT_EQ(rows.data(rows.index(0, 0), Qt::BackgroundRole), QVariant("red"));
    EXPECT_EQ(rows.data(rows.index(1, 1), Qt::BackgroundRole), QVariant("blue"));
    EXPECT_FALSE(rows.data(rows.index(3, 0), Qt::BackgroundRole).isValid());
    EXPECT_FALSE(rows.data(rows.index(0, 2), Qt::BackgroundRole).isValid());
}

TEST_F(GridModelTest, FindsRowsBeyondTheRowsReadSoFar)
{
    GridSamples::addParties(db(), 600);
    rows.open(db(), "SELECT Codigo, Nombre FROM TERCERO WHERE Codigo <> ? ORDER BY Codigo", {"*"});
    const auto condition =
        FindCondition::forColumn(1, FieldKind::Text, FindMode::WholeValue, "tercero 555 ");
    ASSERT_TRUE(condition);
    EXPECT_EQ(FindRow(rows, *condition, 0), 554);
    EXPECT_EQ(FindRow(rows, *condition, 554), 554);
    EXPECT_EQ(FindRow(rows, *condition, 555), -1);
}

TEST(FindConditionTest, FollowsTheColumnsFieldType)
{
    using Test = FindCondition::Test;
    EXPECT_EQ(FindCondition::forColumn(0, FieldKind::Number, FindMode::PartOfValue, "5")->test,
              Test::NumberEquals);
    EXPECT_EQ(FindCondition::forColumn(0, FieldKind::Text, FindMode::WholeValue, "A")->test,
              Test::TextEquals);
    EXPECT_EQ(FindCondition::forColumn(0, FieldKind::Text, FindMode::PartOfValue, "A")->test,
              Test::TextContains);
    for (FieldKind kind : {FieldKind::Boolean, FieldKind::Date, FieldKind::Other})
        EXPECT_FALSE(FindCondition::forColumn(0, kind, FindMode::WholeValue, "1"));
}

TEST(FindConditionTest, ComparesNumbersAsNumbersAndTextsIgnoringCase)
{
    const auto number =
        *FindCondition::forColumn(0, FieldKind::Number, FindMode::WholeValue, "10,50");
    EXPECT_TRUE(number.matches(QVariant("10.5")));
    EXPECT_TRUE(number.matches(QVariant(10.5)));
    EXPECT_FALSE(number.matches(QVariant(105)));
    EXPECT_FALSE(number.matches(QVariant()));
    const auto wrong = *FindCondition::forColumn(0, FieldKind::Number, FindMode::WholeValue, "x");
    EXPECT_FALSE(wrong.matches(QVariant(0)));

    const auto whole = *FindCondition::forColumn(0, FieldKind::Text, FindMode::WholeValue, "caja");
    EXPECT_TRUE(whole.matches(QVariant("CAJA   ")));
    EXPECT_FALSE(whole.matches(QVariant("CAJA CHICA")));
    const auto part = *FindCondition::forColumn(0, FieldKind::Text, FindMode::PartOfValue, "chi");
    EXPECT_TRUE(part.matches(QVariant("CAJA CHICA")));
}

TEST_F(GridModelTest, ExportsTheChosenColumnsTabDelimited)
{
    db().exec("UPDATE CUENTACONTABLE SET Nombre = ? WHERE Codigo = ?", {"CAJA\tCHICA", "1101"});
    rows.open(db(), GridSamples::AccountLookup, {"110%"});
    rows.setColumnFormat(2, ColumnFormat::CheckBox);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteTabDelimited(rows, {0, 1, 2}, out));
    const QString name2 = rows.column(2).name;
    EXPECT_EQ(QString::fromUtf8(out.data()), rows.column(0).name + "\t" + rows.column(1).name +
                                                 "\t" + name2 + "\n" +
                                                 "1101\tCAJA CHICA\t0\n1102\tBANCOS\t0\n");
}

TEST_F(GridModelTest, NextCodeIsTheMaximumPlusOne)
{
    EXPECT_EQ(NextCode(db(), "CUENTACONTABLE", "Nivel"), 3);
    EXPECT_EQ(NextCode(db(), "REGIMEN", "Codigo"), 1);
    // The placeholder "*" is not a number to count on from.
    EXPECT_THROW(NextCode(db(), "CENTROCOSTO", "Codigo"), DbError);
    // Table and column are names, never pasted text.
    EXPECT_THROW(NextCode(db(), "CUENTACONTABLE; DROP TABLE X", "Nivel"), std::invalid_argument);
    EXPECT_THROW(NextCode(db(), "CUENTACONTABLE", "Nivel)"), std::invalid_argument);
}

TEST_F(GridModelTest, AccountDigitsComeFromTheParameters)
{
    EXPECT_EQ(AccountDigits(db()), 9);
    db().exec("UPDATE PARAMETRO SET CantDigCuenta = ?", {12});
    EXPECT_EQ(AccountDigits(db()), 12);
}

} // namespace

TEST(ColumnHeadingsTest, RawColumnNamesReadAsWords)
{
    EXPECT_EQ(ColumnHeadings::forColumn("CodMatriz"), "Cód. Matriz");
    EXPECT_EQ(ColumnHeadings::forColumn("tipopersona"), "Tipo de Persona");
    EXPECT_EQ(ColumnHeadings::forColumn("Status"), "Estado");
    EXPECT_EQ(ColumnHeadings::forColumn("NumeroContinuo"), "Numero Continuo");
    EXPECT_EQ(ColumnHeadings::forColumn("nombrecompr"), "Nombrecompr");
    EXPECT_EQ(ColumnHeadings::forColumn("Saldo_Final"), "Saldo Final");
}
