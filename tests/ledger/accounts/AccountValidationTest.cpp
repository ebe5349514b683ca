#include "ledger/accounts/AccountValidation.h"
#include "ledger/accounts/AccountCodeStructure.h"

#include "support/Printers.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace AccountMessages;

Rate percent(const char *text)
{
    return *Rate::parseTyped(QString::fromLatin1(text));
}

// A level-3 account under "11" with every flag that asks for something checked and none of
// it given, and shares that do not add up.
AccountDraft everythingWrong()
{
    AccountDraft d;
    d.mode = AccountEditMode::New;
    d.segment = QStringLiteral("1");
    d.account.parentCode = QStringLiteral("11");
    d.account.level = 3;
    for (AccountFlag f :
         {AccountFlag::Centrodecosto, AccountFlag::AjusteInflacion, AccountFlag::ManejaReteFuente,
          AccountFlag::Depreciable, AccountFlag::ManejaRetIVA, AccountFlag::CuentaBanco,
          AccountFlag::TransferenciaElectronica})
        d.account.setFlag(f, true);
    d.account.costCentres = {{"ADM", "ADMINISTRACION", percent("50")},
                             {"VEN", "VENTAS", percent("49.99")}};
    d.account.accountNumber = QStringLiteral("0105012345678901234"); // 19 digits
    return d;
}

std::optional<AccountFailure> validate(const AccountDraft &d, int digits = 9)
{
    return ValidateAccount(AccountCodeStructure(digits), d);
}

TEST(AccountValidation, TheFirstFailureOfTheListWinsAndEachFixLeadsToTheNext)
{
    struct Step
    {
        QString message;
        AccountField field;
        std::optional<LinkedAccount> linked;
        std::function<void(AccountDraft &)> fix;
    };
    const auto setLinked = [](LinkedAccount l) {
        return [l](AccountDraft &d) { d.account.setAccount(l, QStringLiteral("110101001")); };
    };
    const std::vector<Step> steps{
        {ShareTotal,
         AccountField::CostCentres,
         {},
         [](AccountDraft &d) { d.account.costCentres.clear(); }},
        {"¡Longitud de codigo invalido!",
         AccountField::Segment,
         {},
         [](AccountDraft &d) { d.segment = "10"; }},
        {NameBlank, AccountField::Name, {}, [](AccountDraft &d) { d.account.name = "CAJA"; }},
        {NoCostCentre,
         AccountField::CostCentres,
         {},
         [](AccountDraft &d) {
             d.account.costCentres = {{"ADM", "ADMINISTRACION", percent("100")}};
         }},
        {NoAdjustmentAccounts, AccountField::Linked, LinkedAccount::CuentaAjuste,
         setLinked(LinkedAccount::CuentaAjuste)},
        {NoAdjustmentAccounts, AccountField::Linked, LinkedAccount::CuentaCorrMonetAjust,
         setLinked(LinkedAccount::CuentaCorrMonetAjust)},
        {NoConcepts,
         AccountField::Concepts,
         {},
         [](AccountDraft &d) {
             d.account.concepts = {{"001", "HONORARIOS"}};
         }},
        {NoDepreciationAccounts, AccountField::Linked, LinkedAccount::CuentaGastos,
         [](AccountDraft &d) {
             for (LinkedAccount l : {LinkedAccount::CuentaGastos, LinkedAccount::CuentaDepAcumulada,
                                     LinkedAccount::CuentaDepAcumuladaAjus})
                 d.account.setAccount(l, "110101001");
         }},
        {NoDepreciationAccounts, AccountField::Linked, LinkedAccount::CuentaCorrMonetAjustDep,
         setLinked(LinkedAccount::CuentaCorrMonetAjustDep)},
        {NoIvaAccount, AccountField::Linked, LinkedAccount::CuentaRetIVA,
         setLinked(LinkedAccount::CuentaRetIVA)},
        {NoBankParty,
         AccountField::BankParty,
         {},
         [](AccountDraft &d) { d.account.bankParty = "J000029490"; }},
        {AccountNumberLength,
         AccountField::AccountNumber,
         {},
         [](AccountDraft &d) { d.account.accountNumber += "5"; }},
    };
    AccountDraft draft = everythingWrong();
    for (const Step &step : steps) {
        const auto failure = validate(draft);
        ASSERT_TRUE(failure) << "expected " << step.message.toStdString();
        EXPECT_EQ(failure->message, step.message);
        EXPECT_EQ(failure->field, step.field) << step.message.toStdString();
        if (step.linked) {
            EXPECT_EQ(failure->linked, *step.linked) << step.message.toStdString();
        }
        step.fix(draft);
    }
    EXPECT_FALSE(validate(draft));
}

TEST(AccountValidation, SharesOfFiftyAndFortyNineNinetyNineAreRefusedButForASummaryAccount)
{
    AccountDraft d;
    d.mode = AccountEditMode::Modify;
    d.account.name = QStringLiteral("CAJA");
    d.account.costCentres = {{"ADM", "", percent("50")}, {"VEN", "", percent("49,99")}};
    EXPECT_EQ(validate(d)->message, ShareTotal);
    d.account.costCentres[1].percentage = percent("50,000000");
    EXPECT_FALSE(validate(d));
    // Exactly 100, not 100 to the cent.
    d.account.costCentres[1].percentage = percent("49.999999");
    EXPECT_EQ(validate(d)->message, ShareTotal);
    // A summary account's shares are not totalled.
    d.account.summary = true;
    EXPECT_FALSE(validate(d));
}

TEST(AccountValidation, ChangingAnAccountIgnoresTheSegmentButNotTheName)
{
    AccountDraft d;
    d.mode = AccountEditMode::Modify;
    d.segment = QStringLiteral("x");
    d.account.name = QStringLiteral("   ");
    EXPECT_EQ(validate(d)->message, NameBlank);
    EXPECT_EQ(validate(d)->field, AccountField::Name);
}

TEST(AccountValidation, NewAccountsCheckTheSegmentOfTheirLevel)
{
    AccountDraft d;
    d.account.name = QStringLiteral("CAJA");
    d.account.level = 1;
    d.segment = QStringLiteral("A");
    EXPECT_EQ(validate(d)->message, "¡!Codigo debe ser tipo numerico");
    d.account.level = 2;
    d.account.parentCode = QStringLiteral("1");
    d.segment = QStringLiteral("1");
    EXPECT_FALSE(validate(d)); // one digit is a whole level-2 segment
    d.account.level = 3;
    d.account.parentCode = QStringLiteral("11");
    EXPECT_EQ(validate(d)->message, "¡Longitud de codigo invalido!");
    d.segment = QStringLiteral("");
    EXPECT_EQ(validate(d)->message, "¡Codigo no puede estar en blanco!");
    d.segment = QStringLiteral("1A");
    EXPECT_EQ(validate(d)->message, "¡Codigo debe ser tipo numerico!");
}

TEST(AccountValidation, NewCodesAreTheParentAndTheTrimmedSegment)
{
    AccountDraft d;
    d.account.parentCode = QStringLiteral("110101");
    d.segment = QStringLiteral("0001");
    EXPECT_EQ(d.newCode(), "1101010001");
    // First-level codes have no parent in them.
    d.account.parentCode = Account::NoParent;
    d.segment = QStringLiteral(" 3 ");
    EXPECT_EQ(d.newCode(), "3");
}

} // namespace
