#include "ledger/masterdata/MasterTables.h"
#include "ledger/masterdata/TableMaintenance.h"

#include "MasterDataFixture.h"
#include "MovementLine.h"

namespace {

using Mode = TableMaintenance::Mode;

class CodeTablesTest : public MasterDataFixture
{
protected:
    static MasterRecord codeAndName(const QString &code, const QString &name)
    {
        MasterRecord r;
        r.set("Codigo", code);
        r.set("Nombre", name);
        return r;
    }

    TableMaintenance regimes{session, MasterTables::Regimes()};
    TableMaintenance costCentres{session, MasterTables::CostCentres()};
    TableMaintenance documents{session, MasterTables::Documents()};
};

TEST_F(CodeTablesTest, ACodeTableSavesNewAndChangedRows)
{
    MasterRecord record = codeAndName(" ADM ", "Administración");
    ASSERT_TRUE(costCentres.save(record, Mode::New).saved);
    record.set("Nombre", "ADMINISTRACIÓN Y FINANZAS");
    ASSERT_TRUE(costCentres.save(record, Mode::Modify).saved);
    const MasterRecord stored = *costCentres.load("ADM");
    EXPECT_EQ(stored.text("Nombre"), "ADMINISTRACIÓN Y FINANZAS");

    MasterRecord again = codeAndName("ADM", "OTRO");
    EXPECT_FALSE(costCentres.save(again, Mode::New).saved);
    EXPECT_EQ(prompter.lastText(), "Registro duplicado!");
}

TEST_F(CodeTablesTest, ARefusedDeleteAnswersFalseAndLeavesTheRow)
{
    MasterRecord used = codeAndName("VEN", "VENTAS");
    MasterRecord unused = codeAndName("PRO", "PRODUCCION");
    ASSERT_TRUE(costCentres.save(used, Mode::New).saved);
    ASSERT_TRUE(costCentres.save(unused, Mode::New).saved);
    AddMovementLine(db(), "240830001", "*", "VEN");

    EXPECT_FALSE(costCentres.remove("VEN"));
    EXPECT_TRUE(costCentres.load("VEN").has_value());
    EXPECT_TRUE(costCentres.remove("PRO"));
    EXPECT_FALSE(costCentres.load("PRO").has_value());
    EXPECT_FALSE(costCentres.remove("PRO"));
}

TEST_F(CodeTablesTest, ARegimeThatAThirdPartyNamesIsKept)
{
    party("J-29759907-0", "ACME");
    EXPECT_FALSE(regimes.remove("01"));
    EXPECT_TRUE(regimes.load("01").has_value());
    EXPECT_TRUE(regimes.remove("02"));
}

TEST_F(CodeTablesTest, DocumentsAreActiveUnlessSaidOtherwiseAndKeepTheirMarks)
{
    MasterRecord record = codeAndName("fe", "Factura exenta");
    record.set("CompraExcenta", true);
    ASSERT_TRUE(documents.save(record, Mode::New).saved);
    const MasterRecord stored = *documents.load("FE");
    EXPECT_EQ(stored.number("Status"), 1);
    EXPECT_TRUE(stored.flag("CompraExcenta"));

    MasterRecord inactive = stored;
    inactive.set("Status", 0);
    ASSERT_TRUE(documents.save(inactive, Mode::Modify).saved);
    EXPECT_EQ(documents.load("FE")->number("Status"), 0);

    MasterRecord unknownStatus = stored;
    unknownStatus.set("Status", 7);
    EXPECT_FALSE(documents.save(unknownStatus, Mode::Modify).saved);
}

} // namespace
