#include "common/grid/GridStatement.h"
#include "platform/SqlDialect.h"
#include "support/Printers.h"

#include <QMetaType>
#include <gtest/gtest.h>

namespace {

std::vector<GridColumn> lookupColumns()
{
    return {GridColumn::fromField("Codigo", QMetaType(QMetaType::QString)),
            GridColumn::fromField("Nombre", QMetaType(QMetaType::QString)),
            GridColumn::fromField("~HDN1", QMetaType(QMetaType::QString)),
            GridColumn::fromField("Saldo", QMetaType(QMetaType::LongLong)),
            GridColumn::fromField("status", QMetaType(QMetaType::Int))};
}

const QString Base = "SELECT Codigo, Nombre FROM TERCERO WHERE Codigo LIKE ? ORDER BY Codigo;";

TEST(GridStatementTest, LeavesTheStatementAloneWhenNothingNarrowsOrSorts)
{
    auto sqlite = SqlDialect::create(Engine::Sqlite);
    const GridStatement s = GridStatement::build(*sqlite, Base, {"J%"}, lookupColumns(), {}, {});
    EXPECT_EQ(s.sql, Base);
    EXPECT_EQ(s.params, QVariantList({"J%"}));
}

TEST(GridStatementTest, NarrowsOnTheShownTextColumnsWithBoundValues)
{
    auto sqlite = SqlDialect::create(Engine::Sqlite);
    const GridStatement s =
        GridStatement::build(*sqlite, Base, {"J%"}, lookupColumns(), "Fe'r", {});
    EXPECT_EQ(s.sql, "SELECT * FROM (SELECT Codigo, Nombre FROM TERCERO WHERE Codigo LIKE ? "
                     "ORDER BY Codigo) AS catalogo "
                     "WHERE \"Codigo\" LIKE ? ESCAPE '\\' OR \"Nombre\" LIKE ? ESCAPE '\\'");
    EXPECT_EQ(s.params, QVariantList({"J%", "Fe'r%", "Fe'r%"}));
}

TEST(GridStatementTest, PostgresNarrowsIgnoringCaseAndCastsANumericCode)
{
    auto pg = SqlDialect::create(Engine::Postgres);
    auto columns = lookupColumns();
    columns[0] = GridColumn::fromField("Numero", QMetaType(QMetaType::Int));
    const GridStatement s =
        GridStatement::build(*pg, "SELECT 1", {}, columns, "7", {{1, true}, {0, false}});
    EXPECT_EQ(s.sql, "SELECT * FROM (SELECT 1) AS catalogo "
                     "WHERE CAST(\"Numero\" AS VARCHAR(40)) ILIKE ? ESCAPE '\\' "
                     "OR \"Nombre\" ILIKE ? ESCAPE '\\' "
                     "ORDER BY \"Nombre\"  DESC, \"Numero\"  ASC");
    EXPECT_EQ(s.params, QVariantList({"7%", "7%"}));
}

TEST(GridStatementTest, CountsTheRowsOfTheStatement)
{
    EXPECT_EQ(GridStatement::countOf(Base),
              "SELECT COUNT(*) FROM (SELECT Codigo, Nombre FROM TERCERO WHERE Codigo LIKE ? "
              "ORDER BY Codigo) AS catalogo");
}

TEST(GridColumnTest, FlagsAreCheckBoxesAndOtherTypesPlainText)
{
    EXPECT_EQ(GridColumn::fromField("b", QMetaType(QMetaType::Bool)).format,
              ColumnFormat::CheckBox);
    EXPECT_EQ(GridColumn::fromField("d", QMetaType(QMetaType::QDate)).kind, FieldKind::Date);
    EXPECT_EQ(GridColumn::fromField("x", QMetaType(QMetaType::QByteArray)).format,
              ColumnFormat::Plain);
}

} // namespace
