#include "ledger/masterdata/PartyMaintenance.h"
#include "ledger/masterdata/MasterDataTexts.h"
#include "ledger/masterdata/PartyQuickAdd.h"

#include "MasterDataFixture.h"
#include "MovementLine.h"
#include "common/OptionRights.h"

namespace {

using Mode = TableMaintenance::Mode;
using Kind = ScriptedPrompter::Kind;

class PartyMaintenanceTest : public MasterDataFixture
{
protected:
    static MasterRecord typed(const QString &code, const QString &name = "Suministros Andes",
                              const QString &regime = "01", int taxAuthority = 0)
    {
        MasterRecord r;
        r.set("Codigo", code);
        r.set("Nombre", name);
        r.set("Direccion", "av. principal de los ruices");
        r.set("TipoPersona", 0);
        r.set("TipoRegimen", regime);
        r.set("Telefono1", " 0212-2394410 ");
        r.set("Tributario", taxAuthority);
        return r;
    }

    TableMaintenance::Outcome save(MasterRecord record, Mode mode = Mode::New)
    {
        prompter.clear();
        return service.save(record, mode);
    }

    int parties() { return cell("SELECT COUNT(*) FROM TERCERO WHERE Codigo <> '*'").toInt(); }

    PartyMaintenance service{session};
};

// --- The checks run in their order and the first failure is the only one told -------------

TEST_F(PartyMaintenanceTest, RequiredFieldsComeFirstThenTheTaxAuthorityThenTheCodeLength)
{
    auto outcome = save(typed("", ""));
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.field, "Codigo");
    EXPECT_EQ(prompter.texts(), QStringList{"¡El campo Código no debe estar vacio!"});

    outcome = save(typed("J297599070", "   "));
    EXPECT_EQ(outcome.field, "Nombre");
    EXPECT_EQ(prompter.texts(), QStringList{"¡El campo Nombre no debe estar vacio!"});

    outcome = save(typed("J297599070", "ACME", ""));
    EXPECT_EQ(outcome.field, "TipoRegimen");
    EXPECT_EQ(prompter.lastText(), "¡El campo Régimen no debe estar vacio!");
    EXPECT_EQ(parties(), 0);

    party("G-20000303-0", "SENIAT", 1);
    EXPECT_EQ(save(typed("J-29759907-0", "", "01", 1)).field, "Nombre");
    EXPECT_EQ(prompter.texts().size(), 1);
    outcome = save(typed("ABC", "OTRA AUTORIDAD", "01", 1));
    EXPECT_EQ(outcome.field, "Tributario");
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].kind, Kind::Warning);
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::TaxAuthorityExists);
}

// --- At most one tax authority --------------------------------------------------------------

TEST_F(PartyMaintenanceTest, ASecondTaxAuthorityIsRefusedAndItsMarkClearedTheFirstSavesAgain)
{
    party("G-20000303-0", "SENIAT", 1);
    MasterRecord record = typed("J-29759907-0", "ACME", "01", 1);
    const auto outcome = service.save(record, Mode::New);
    EXPECT_FALSE(outcome.saved);
    EXPECT_FALSE(record.flag("Tributario"));
    EXPECT_EQ(parties(), 1);

    // The same holds when an existing third party is marked.
    party("J-30123456-7", "BETA");
    MasterRecord other = *service.load("J-30123456-7");
    other.set("Tributario", 1);
    EXPECT_FALSE(save(other, Mode::Modify).saved);
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::TaxAuthorityExists);
    EXPECT_EQ(cell("SELECT Tributario FROM TERCERO WHERE Codigo = 'J-30123456-7'").toInt(), 0);

    MasterRecord authority = *service.load("G-20000303-0");
    authority.set("Nombre", "Servicio Nacional Integrado");
    EXPECT_TRUE(save(authority, Mode::Modify).saved);
    EXPECT_TRUE(prompter.texts().isEmpty());
}

// --- Codes --------------------------------------------------------------------------------

TEST_F(PartyMaintenanceTest, ANewCodeNeedsSevenCharactersAfterTrimming)
{
    auto outcome = save(typed("  PROV01  "));
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.field, "Codigo");
    EXPECT_EQ(prompter.lastText(), "El codigo del terccero debe ser mayor a seis caracteres!");
    EXPECT_EQ(parties(), 0);

    // Right RIFs and other codes are not questioned: the scripted prompter throws on a
    // question it was not told to expect.
    for (const char *code : {"PROV001", "v-11470283-4", "J297599070", "PROVEEDOR-9"})
        EXPECT_TRUE(save(typed(code)).saved) << code;
    EXPECT_TRUE(prompter.texts().isEmpty());
    EXPECT_EQ(parties(), 4);
}

TEST_F(PartyMaintenanceTest, AWrongRifDigitIsSavedOnlyWhenTheUserSaysSo)
{
    prompter.answerNo();
    MasterRecord record = typed("J-29759907-1");
    auto outcome = service.save(record, Mode::New);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.field, "Codigo");
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::RifCheckDigit);
    EXPECT_EQ(parties(), 0);

    prompter.clear();
    prompter.answerYes();
    record = typed("J-29759907-1");
    EXPECT_TRUE(service.save(record, Mode::New).saved);
    EXPECT_EQ(parties(), 1);

    // Without its check digit a RIF is questioned the same way.
    prompter.clear();
    prompter.answerNo();
    record = typed("J-12345678");
    EXPECT_FALSE(service.save(record, Mode::New).saved);
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::RifCheckDigit);
    EXPECT_EQ(parties(), 1);
}

TEST_F(PartyMaintenanceTest, TextsAreStoredTrimmedAndInCapitals)
{
    MasterRecord record = typed("v-11470283-4", "  maría  gonzález ");
    ASSERT_TRUE(service.save(record, Mode::New).saved);
    const auto row = db().rows("SELECT Codigo, Nombre, Direccion, Telefono1 FROM TERCERO "
                               "WHERE Codigo <> '*'");
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(row[0].value(0).toString(), "V-11470283-4");
    EXPECT_EQ(row[0].value(1).toString(), "MARÍA  GONZÁLEZ");
    EXPECT_EQ(row[0].value(2).toString(), "AV. PRINCIPAL DE LOS RUICES");
    EXPECT_EQ(row[0].value(3).toString(), "0212-2394410");
    EXPECT_EQ(record.text("Codigo"), "V-11470283-4");
}

TEST_F(PartyMaintenanceTest, ARepeatedCodeIsADuplicate)
{
    party("J-29759907-0", "ACME");
    const auto outcome = save(typed("j-29759907-0"));
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(prompter.lastText(), "Registro duplicado!");
    EXPECT_EQ(cell("SELECT Nombre FROM TERCERO WHERE Codigo = 'J-29759907-0'").toString(), "ACME");
}

// --- The placeholder and deletes ----------------------------------------------------------

TEST_F(PartyMaintenanceTest, ThePlaceholderIsNeverListedLoadedChangedOrDeleted)
{
    party("J-29759907-0", "ACME");
    const auto rows = service.list();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].code, "J-29759907-0");
    EXPECT_FALSE(db().rows(service.listQuery()).empty());
    for (const QSqlRecord &r : db().rows(service.listQuery()))
        EXPECT_NE(r.value(0).toString(), "*");
    EXPECT_FALSE(service.load("*").has_value());
    MasterRecord placeholder = typed("*");
    EXPECT_FALSE(save(placeholder, Mode::Modify).saved);
    EXPECT_FALSE(service.remove("*"));
    EXPECT_EQ(cell("SELECT Nombre FROM TERCERO WHERE Codigo = '*'").toString(), "NINGUNO");
}

TEST_F(PartyMaintenanceTest, AThirdPartyOnAMovementLineIsNotDeleted)
{
    party("J-29759907-0", "ACME");
    party("J-30123456-7", "BETA");
    AddMovementLine(db(), "240830001", "J-29759907-0");
    EXPECT_FALSE(service.remove("J-29759907-0"));
    EXPECT_TRUE(service.remove("J-30123456-7"));
    EXPECT_EQ(parties(), 1);
    EXPECT_TRUE(prompter.texts().isEmpty());
}

// --- Rights -------------------------------------------------------------------------------

TEST_F(PartyMaintenanceTest, TheServiceChecksTheUsersRightsItself)
{
    limitedUser("mnu_terceros", {"Modificar", "Guardar"});
    EXPECT_FALSE(save(typed("PROV001")).saved);
    EXPECT_EQ(prompter.lastText(), OptionRights::NotAllowedText);
    EXPECT_EQ(parties(), 0);

    party("PROV001", "ACME");
    MasterRecord record = *service.load("PROV001");
    record.set("Nombre", "ACME DOS");
    EXPECT_TRUE(save(record, Mode::Modify).saved);
    EXPECT_FALSE(service.remove("PROV001"));
}

// --- Adding from movement entry -----------------------------------------------------------

TEST_F(PartyMaintenanceTest, QuickAddNeedsTheGroupRightAndKeepsTheRules)
{
    Fixtures::addGroup(db(), "CONTA");
    Fixtures::addUser(db(), "LUIS", "clave", {"CONTA"});
    session.gUsuario = "LUIS";
    PartyQuickAdd quick(session);
    EXPECT_FALSE(quick.mayAdd());
    MasterRecord record = typed("j-29759907-0");
    EXPECT_FALSE(quick.add(record));
    EXPECT_EQ(prompter.lastText(), OptionRights::NotAllowedText);

    db().exec("UPDATE GRUPOS SET IncTerceroMov = 1 WHERE CodGrupo = 'CONTA'");
    prompter.clear();
    record = typed("PROV1");
    QString field;
    EXPECT_FALSE(quick.add(record, &field));
    EXPECT_EQ(field, "Codigo");
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::PartyCodeTooShort);

    record = typed("j-29759907-0", "acme");
    record.set("SujetoAReteIVA", 1);
    const std::optional<NewParty> added = quick.add(record);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->codigo, "J-29759907-0");
    EXPECT_EQ(added->nombre, "ACME");
    EXPECT_EQ(added->tipoRegimen, "01");
    EXPECT_EQ(added->sujetoAReteIVA, 1);
    EXPECT_EQ(parties(), 1);
}

} // namespace
