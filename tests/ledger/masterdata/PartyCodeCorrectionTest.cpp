#include "ledger/masterdata/PartyCodeCorrection.h"
#include "ledger/masterdata/MasterDataTexts.h"

#include "MasterDataFixture.h"
#include "MovementLine.h"

namespace {

using Result = PartyCodeCorrection::Result;

class PartyCodeCorrectionTest : public MasterDataFixture
{
protected:
    PartyCodeCorrectionTest()
    {
        party("J301234567", "ACME");
        party("J-29759907-0", "BETA");
    }

    bool exists(const QString &code)
    {
        return db().exists("SELECT 1 FROM TERCERO WHERE Codigo = ?", {code});
    }

    PartyCodeCorrection correction{session};
};

TEST_F(PartyCodeCorrectionTest, TheNewCodeFollowsTheRulesOfANewThirdParty)
{
    EXPECT_EQ(correction.CorregirTercero("J301234567", ""), Result::Missing);
    EXPECT_EQ(correction.CorregirTercero("J301234567", "ACME01"), Result::Refused);
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::PartyCodeTooShort);
    prompter.answerNo();
    EXPECT_EQ(correction.CorregirTercero("J301234567", "J-30123456-8"), Result::Refused);
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::RifCheckDigit);
    EXPECT_TRUE(exists("J301234567"));
}

TEST_F(PartyCodeCorrectionTest, NothingChangesUnlessTheUserConfirms)
{
    prompter.answerNo();
    EXPECT_EQ(correction.CorregirTercero("J301234567", "J-30123456-1"), Result::Declined);
    EXPECT_EQ(prompter.messages().back().title, "Corregir tercero");
    EXPECT_EQ(prompter.lastText(), "Esta seguro de corregir el codigo del tercero?");
    EXPECT_TRUE(exists("J301234567"));
}

TEST_F(PartyCodeCorrectionTest, TheCorrectedCodeIsCarriedIntoTheMovementLines)
{
    AddMovementLine(db(), "240830001", "J301234567");
    prompter.answerYes();
    EXPECT_EQ(correction.CorregirTercero("J301234567", "j-30123456-1"), Result::Corrected);
    EXPECT_FALSE(exists("J301234567"));
    EXPECT_TRUE(exists("J-30123456-1"));
    EXPECT_EQ(cell("SELECT Tercero FROM MOVIMIENTO").toString(), "J-30123456-1");
}

TEST_F(PartyCodeCorrectionTest, ACodeThatExistsIsRefusedAndBothStay)
{
    prompter.answerYes();
    EXPECT_EQ(correction.CorregirTercero("J301234567", "J-29759907-0"), Result::Failed);
    EXPECT_EQ(prompter.lastText(), MasterDataTexts::Duplicate);
    EXPECT_TRUE(exists("J301234567"));
    EXPECT_EQ(cell("SELECT Nombre FROM TERCERO WHERE Codigo = 'J-29759907-0'").toString(), "BETA");
}

TEST_F(PartyCodeCorrectionTest, ThePlaceholderCannotBeRenamed)
{
    prompter.answerYes();
    EXPECT_EQ(correction.CorregirTercero("*", "NINGUNO01"), Result::Failed);
    EXPECT_TRUE(exists("*"));
    EXPECT_FALSE(correction.nameOf("*").has_value());
}

} // namespace
