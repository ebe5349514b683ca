#include "ledger/masterdata/ConceptMaintenance.h"
#include "ledger/masterdata/MasterDataTexts.h"

#include "MasterDataFixture.h"
#include "MovementLine.h"

namespace {

using Mode = TableMaintenance::Mode;
using Kind = ScriptedPrompter::Kind;

class ConceptMaintenanceTest : public MasterDataFixture
{
protected:
    static MasterRecord typed(const QString &code, const QString &accountPJ = "240830001",
                              const QString &accountPN = "240830002")
    {
        MasterRecord r;
        r.set("Codigo", code);
        r.set("Descripcion", "Honorarios profesionales");
        r.set("BasePJ", "90");
        r.set("BasePN", "90");
        r.set("DeduccionPJ", "0");
        r.set("DeduccionPN", "22,50");
        r.set("PorcentajePJ", "5");
        r.set("PorcentajePN", "3");
        r.set("AliasCodigoPJ", "004");
        r.set("AliasCodigoPN", "002");
        r.set("CuentaRetencionPJ", accountPJ);
        r.set("CuentaRetencionPN", accountPN);
        return r;
    }

    TableMaintenance::Outcome save(MasterRecord record, Mode mode = Mode::New)
    {
        prompter.clear();
        return concepts.save(record, mode);
    }

    ConceptMaintenance concepts{session};
};

// --- Accounts, PJ first ---------------------------------------------------------------------

TEST_F(ConceptMaintenanceTest, RequiredNumbersComeFirstThenThePjAccountThenThePnAccount)
{
    MasterRecord record = typed("HONPROF", "2408");
    record.set("PorcentajePN", "");
    EXPECT_EQ(save(record).field, "PorcentajePN");
    EXPECT_EQ(prompter.texts(),
              QStringList{"¡El campo % Ret. Persona Natural no debe estar vacio!"});
    record = typed("HONPROF");
    record.set("BasePJ", "noventa");
    EXPECT_EQ(save(record).field, "BasePJ");
    EXPECT_EQ(prompter.lastText(), "¡El campo Base Persona Juridica debe ser tipo numerico!");

    // A parent PJ account is refused before the PN account is looked at.
    auto outcome = save(typed("HONPROF", "2408", "9999"));
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.field, "CuentaRetencionPJ");
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].kind, Kind::Info);
    EXPECT_EQ(prompter.lastText(), "Ingrese solo cuentas de detalle validas...!");
    outcome = save(typed("HONPROF", "240830001", "240830009"));
    EXPECT_EQ(outcome.field, "CuentaRetencionPN");
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::DetailAccountsOnly);
    EXPECT_FALSE(concepts.load("HONPROF").has_value());
}

// --- Codes ----------------------------------------------------------------------------------

TEST_F(ConceptMaintenanceTest, ARepeatedCodeIsADuplicateAndTheFirstRowStays)
{
    ASSERT_TRUE(save(typed("HONPROF")).saved);
    MasterRecord again = typed("HONPROF");
    again.set("Descripcion", "Otra descripción");
    const auto outcome = save(again);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.field, "Codigo");
    EXPECT_EQ(prompter.messages().back().kind, Kind::Info);
    EXPECT_EQ(prompter.lastText(), "Registro duplicado!");
    EXPECT_EQ(concepts.load("HONPROF")->text("Descripcion"), "Honorarios profesionales");
}

TEST_F(ConceptMaintenanceTest, AConceptOnAMovementLineIsNotDeleted)
{
    ASSERT_TRUE(save(typed("HONPROF")).saved);
    ASSERT_TRUE(save(typed("FLETES")).saved);
    AddMovementLine(db(), "240830001", "*", "*", "*", "HONPROF");
    EXPECT_FALSE(concepts.remove("HONPROF"));
    EXPECT_TRUE(concepts.load("HONPROF").has_value());
    EXPECT_TRUE(concepts.remove("FLETES"));
}

// --- Amounts and percentages ----------------------------------------------------------------

TEST_F(ConceptMaintenanceTest, ValuesTypedWithADecimalCommaAreStoredWithTheSameValueInAnyLocale)
{
    concepts.setLocale(QLocale(QLocale::Spanish, QLocale::Venezuela));
    MasterRecord record = typed("HONPROF");
    record.set("BasePJ", "90,5");
    record.set("DeduccionPN", "1.234,56");
    record.set("PorcentajePJ", "2,25");
    record.set("PorcentajePN", "0,125");
    ASSERT_TRUE(save(record).saved);
    const auto row = db().rows("SELECT BasePJ, DeduccionPN, PorcentajePJ, PorcentajePN "
                               "FROM CONCEPTORET WHERE Codigo = 'HONPROF'");
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(row[0].value(0).toLongLong(), 90500000);
    EXPECT_EQ(row[0].value(1).toLongLong(), 1234560);
    EXPECT_EQ(row[0].value(2).toLongLong(), 2250000);
    EXPECT_EQ(row[0].value(3).toLongLong(), 125000);

    const MasterRecord stored = *concepts.load("HONPROF");
    EXPECT_EQ(stored.rate("BasePJ"), Rate::fromMillionths(90500000));
    EXPECT_EQ(stored.money("DeduccionPN"), Money::fromThousandths(1234560));

    // Where the point is the local separator a comma is still read as the decimal one.
    concepts.setLocale(QLocale::c());
    record = typed("FLETES");
    record.set("PorcentajePJ", "2,5");
    record.set("DeduccionPN", "22.5");
    ASSERT_TRUE(save(record).saved);
    EXPECT_EQ(concepts.load("FLETES")->rate("PorcentajePJ"), Rate::fromMillionths(2500000));
    EXPECT_EQ(concepts.load("FLETES")->money("DeduccionPN"), Money::fromCents(2250));
}

} // namespace
