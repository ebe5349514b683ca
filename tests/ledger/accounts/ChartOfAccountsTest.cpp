#include "ledger/accounts/ChartOfAccounts.h"

#include "AccountFixture.h"
#include "common/OptionRights.h"

namespace {

Rate percent(const char *text)
{
    return *Rate::parseTyped(QString::fromLatin1(text));
}

class ChartOfAccountsTest : public AccountFixture
{
protected:
    // A new level-5 detail account under BANCOS.
    AccountDraft newBank(const QString &segment = QStringLiteral("002"))
    {
        AccountDraft d;
        d.mode = AccountEditMode::New;
        d.segment = segment;
        d.account.parentCode = QStringLiteral("110101");
        d.account.level = 5;
        d.account.name = QStringLiteral("BANCO DE VENEZUELA");
        return d;
    }
    ChartOfAccounts chart{session};
};

TEST_F(ChartOfAccountsTest, ANewAccountIsWrittenWithItsSharesAndConcepts)
{
    AccountDraft d = newBank(" 002 ");
    d.account.name = QStringLiteral(" Banco de Venezuela ");
    d.account.setFlag(AccountFlag::Centrodecosto, true);
    d.account.setFlag(AccountFlag::ManejaReteFuente, true);
    d.account.setFlag(AccountFlag::CuentaBanco, true);
    d.account.bankParty = QStringLiteral("J000029490");
    d.account.accountNumber = QStringLiteral("01020123450000012345");
    d.account.setAccount(LinkedAccount::CuentaRetIVA, QStringLiteral("110101001"));
    // Typed with a decimal comma and with a point: the same exact values.
    d.account.costCentres = {{"ADM", "", percent("33,333334")}, {"VEN", "", percent("66.666666")}};
    d.account.concepts = {{"002", ""}, {"001", ""}};

    const auto outcome = chart.save(d);
    ASSERT_EQ(outcome.result, ChartOfAccounts::SaveResult::Saved)
        << prompter.lastText().toStdString();
    EXPECT_EQ(outcome.code, "110101002");
    EXPECT_TRUE(prompter.messages().empty());

    const auto saved = chart.load("110101002");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->parentCode, "110101");
    EXPECT_EQ(saved->name, "BANCO DE VENEZUELA"); // names are kept in capitals
    EXPECT_EQ(saved->level, 5);
    EXPECT_FALSE(saved->summary);
    EXPECT_TRUE(saved->active);
    EXPECT_TRUE(saved->flag(AccountFlag::Centrodecosto));
    EXPECT_FALSE(saved->flag(AccountFlag::ManejaDoc));
    EXPECT_EQ(saved->bankParty, "J000029490");
    EXPECT_EQ(saved->account(LinkedAccount::CuentaRetIVA), "110101001");
    ASSERT_EQ(saved->costCentres.size(), 2u);
    EXPECT_EQ(saved->costCentres[0].name, "ADMINISTRACION");
    EXPECT_EQ(saved->costCentres[0].percentage, Rate::fromMillionths(33333334));
    EXPECT_EQ(saved->costCentres[1].percentage, Rate::fromMillionths(66666666));
    ASSERT_EQ(saved->concepts.size(), 2u);
    EXPECT_EQ(saved->concepts[0].description, "HONORARIOS PROFESIONALES");
}

TEST_F(ChartOfAccountsTest, ChangingAnAccountKeepsItsPlaceAndReplacesItsLinks)
{
    db().exec("INSERT INTO CUENTACENTROCOSTO (CodigoCuenta, CodigoCentroCosto, Porcentaje) "
              "VALUES ('110101001', 'ADM', ?)",
              {Rate::fromInteger(100).toSql()});
    AccountDraft d;
    d.mode = AccountEditMode::Modify;
    d.account = *chart.load("110101001");
    d.account.name = QStringLiteral("BANCO MERCANTIL C.A.");
    d.account.parentCode = QStringLiteral("2"); // ignored: parent and level never change
    d.account.level = 1;
    d.account.active = false;
    d.account.costCentres = {{"VEN", "", percent("100")}};
    ASSERT_EQ(chart.save(d).result, ChartOfAccounts::SaveResult::Saved);

    const auto saved = chart.load("110101001");
    EXPECT_EQ(saved->name, "BANCO MERCANTIL C.A.");
    EXPECT_EQ(saved->parentCode, "110101");
    EXPECT_EQ(saved->level, 5);
    EXPECT_FALSE(saved->active);
    ASSERT_EQ(saved->costCentres.size(), 1u);
    EXPECT_EQ(saved->costCentres[0].code, "VEN");
    EXPECT_EQ(saved->bankParty, "*");
}

TEST_F(ChartOfAccountsTest, TheSalesBookFlagStoresItsBookCode)
{
    AccountDraft d;
    d.mode = AccountEditMode::Modify;
    d.account = *chart.load("110101001");
    const auto stored = [&] {
        return db()
            .scalar("SELECT CuentaLibroVentas FROM CUENTACONTABLE WHERE Codigo = ?", {"110101001"})
            .toInt();
    };
    d.account.setFlag(AccountFlag::CuentaLibroVentas, true);
    d.account.salesBook = 9;
    ASSERT_EQ(chart.save(d).result, ChartOfAccounts::SaveResult::Saved);
    EXPECT_EQ(stored(), 9);
    EXPECT_EQ(chart.load("110101001")->salesBook, 9);
    EXPECT_TRUE(chart.load("110101001")->flag(AccountFlag::CuentaLibroVentas));

    d.account.salesBook = 0; // set without a code: the general rate, as the old flag meant
    ASSERT_EQ(chart.save(d).result, ChartOfAccounts::SaveResult::Saved);
    EXPECT_EQ(stored(), 1);
    d.account.setFlag(AccountFlag::CuentaLibroVentas, false);
    d.account.salesBook = 6;
    ASSERT_EQ(chart.save(d).result, ChartOfAccounts::SaveResult::Saved);
    EXPECT_EQ(stored(), 0);
}

TEST_F(ChartOfAccountsTest, AFailingLinkInsertLeavesNothing)
{
    AccountDraft d = newBank();
    d.account.concepts = {{"001", ""}};
    // Shares that add up, but one names a cost centre that does not exist.
    d.account.costCentres = {{"ADM", "", percent("50")}, {"XYZ", "", percent("50")}};
    EXPECT_EQ(chart.save(d).result, ChartOfAccounts::SaveResult::Failed);
    EXPECT_TRUE(prompter.lastText().startsWith("No se pudo guardar la cuenta."));
    EXPECT_FALSE(accountExists("110101002"));
    EXPECT_EQ(count("CUENTACENTROCOSTO"), 0);
    EXPECT_EQ(count("CUENTACONCEPTORET"), 0);

    // A change that fails keeps the links it had.
    db().exec("INSERT INTO CUENTACONCEPTORET (CodigoCuenta, CodigoConcepto) "
              "VALUES ('110101001', '002')");
    AccountDraft change;
    change.mode = AccountEditMode::Modify;
    change.account = *chart.load("110101001");
    change.account.name = QStringLiteral("OTRO NOMBRE");
    change.account.concepts = {{"001", ""}, {"999", ""}};
    EXPECT_EQ(chart.save(change).result, ChartOfAccounts::SaveResult::Failed);
    const auto kept = chart.load("110101001");
    EXPECT_EQ(kept->name, "BANCO MERCANTIL");
    ASSERT_EQ(kept->concepts.size(), 1u);
    EXPECT_EQ(kept->concepts[0].code, "002");
}

TEST_F(ChartOfAccountsTest, RefusalsAreShownAndPointToTheirField)
{
    AccountDraft d = newBank("2");
    auto outcome = chart.save(d);
    EXPECT_EQ(outcome.result, ChartOfAccounts::SaveResult::Invalid);
    EXPECT_EQ(outcome.failure->field, AccountField::Segment);
    EXPECT_EQ(prompter.messages().back().kind, ScriptedPrompter::Kind::Warning);
    EXPECT_EQ(prompter.messages().back().title, "Información");
    EXPECT_EQ(prompter.lastText(), "¡Longitud de codigo invalido!");
    EXPECT_EQ(count("CUENTACONTABLE"), 6);
}

TEST_F(ChartOfAccountsTest, LinkedAccountsMustBeDetailAccountsThatExist)
{
    AccountDraft d = newBank();
    d.account.setAccount(LinkedAccount::CuentaGastos, QStringLiteral("110101"));
    d.account.setAccount(LinkedAccount::CuentaAjuste, QStringLiteral("999"));
    auto outcome = chart.save(d);
    ASSERT_EQ(outcome.result, ChartOfAccounts::SaveResult::Invalid);
    // The adjustment account comes first on the form.
    EXPECT_EQ(prompter.lastText(), "La cuenta no existe!");
    EXPECT_EQ(outcome.failure->linked, LinkedAccount::CuentaAjuste);

    d.account.setAccount(LinkedAccount::CuentaAjuste, QStringLiteral("110101001"));
    outcome = chart.save(d);
    EXPECT_EQ(prompter.lastText(), "Seleccione solo cuentas de detalle...");
    EXPECT_EQ(outcome.failure->linked, LinkedAccount::CuentaGastos);
    EXPECT_FALSE(accountExists("110101002"));
}

TEST_F(ChartOfAccountsTest, ACodeInUseIsNotCreatedAgain)
{
    const auto outcome = chart.save(newBank("001"));
    EXPECT_EQ(outcome.result, ChartOfAccounts::SaveResult::Invalid);
    EXPECT_EQ(prompter.lastText(), ChartOfAccounts::DuplicateMessage);
    EXPECT_EQ(chart.load("110101001")->name, "BANCO MERCANTIL");
}

TEST_F(ChartOfAccountsTest, FirstLevelAccountsHangFromTheRoot)
{
    AccountDraft d;
    d.segment = QStringLiteral("3");
    d.account.name = QStringLiteral("PATRIMONIO");
    d.account.summary = true;
    ASSERT_EQ(chart.save(d).result, ChartOfAccounts::SaveResult::Saved);
    const auto saved = chart.load("3");
    EXPECT_EQ(saved->parentCode, "0");
    EXPECT_EQ(saved->level, 1);
    EXPECT_TRUE(saved->summary);
}

TEST_F(ChartOfAccountsTest, OnlyALeafWithoutLinesIsDeletedAndItsSharesAndConceptsGoAlong)
{
    EXPECT_EQ(chart.remove("110101"), ChartOfAccounts::DeleteResult::HasChildren);
    EXPECT_TRUE(accountExists("110101"));
    EXPECT_TRUE(accountExists("110101001"));
    EXPECT_TRUE(prompter.messages().empty());

    db().exec("INSERT INTO CUENTACENTROCOSTO (CodigoCuenta, CodigoCentroCosto, Porcentaje) "
              "VALUES ('110101001', 'ADM', ?)",
              {Rate::fromInteger(100).toSql()});
    db().exec("INSERT INTO CUENTACONCEPTORET (CodigoCuenta, CodigoConcepto) "
              "VALUES ('110101001', '001')");
    Fixtures::addCompany(db(), "A01", "ALFA C.A.");
    db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES ('001', 'DIARIO')");
    db().exec("INSERT INTO REGISTRO (Empresa, Matriz, TipoComprobante, Usuario, Linea, Cuenta, "
              "Fecha, UsuarioCreador) VALUES ('A01', 'A01', '001', 'ANA', 1, '110101001', "
              "'2026-03-02', 'ANA')");
    EXPECT_EQ(chart.remove("110101001"), ChartOfAccounts::DeleteResult::InUse);
    EXPECT_TRUE(accountExists("110101001"));
    // The connection is still usable after the refused statement.
    EXPECT_EQ(chart.remove("2"), ChartOfAccounts::DeleteResult::Deleted);

    db().exec("DELETE FROM REGISTRO");
    EXPECT_EQ(chart.remove("110101001"), ChartOfAccounts::DeleteResult::Deleted);
    EXPECT_FALSE(accountExists("110101001"));
    EXPECT_EQ(count("CUENTACENTROCOSTO"), 0);
    EXPECT_EQ(count("CUENTACONCEPTORET"), 0);
    EXPECT_EQ(chart.remove("110101001"), ChartOfAccounts::DeleteResult::Missing);
}

TEST_F(ChartOfAccountsTest, UsersWithoutTheRightAreRefused)
{
    session.gUsuario = QStringLiteral("LUIS");
    EXPECT_EQ(chart.save(newBank()).result, ChartOfAccounts::SaveResult::NotAllowed);
    EXPECT_EQ(chart.remove("2"), ChartOfAccounts::DeleteResult::NotAllowed);
    EXPECT_EQ(prompter.lastText(), OptionRights::NotAllowedText);
    EXPECT_FALSE(accountExists("110101002"));
    EXPECT_TRUE(accountExists("2"));
}

TEST_F(ChartOfAccountsTest, CodesAddedToTheGridsAreLookedUpExactly)
{
    EXPECT_EQ(chart.costCentre("ADM")->name, "ADMINISTRACION");
    EXPECT_FALSE(chart.costCentre("*"));
    EXPECT_FALSE(chart.costCentre("AD"));
    EXPECT_EQ(chart.retentionConcept("002")->description, "ARRENDAMIENTOS");
    EXPECT_FALSE(chart.retentionConcept("00"));
    EXPECT_EQ(chart.bankPartyName("J000029490"), "BANCO MERCANTIL");
    EXPECT_FALSE(chart.bankPartyName("*"));
}

TEST_F(ChartOfAccountsTest, TheListingCarriesTheHeadingAndTheFlags)
{
    db().exec("UPDATE CUENTACONTABLE SET Centrodecosto = 1 WHERE Codigo = '110101001'");
    const ReportQuery query = chart.listing();
    const auto rows = db().rows(query.text, query.values);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows.front().value("NombreIDEmpresa").toString(), "RIF J-30123456-7");
    EXPECT_EQ(rows[4].value("Codigo").toString(), "110101001");
    EXPECT_EQ(rows[4].value("CentroDeCosto").toInt(), 1);
    EXPECT_EQ(rows[3].value("EsPadre").toInt(), 1);
}

} // namespace
