#include "ledger/masterdata/Rif.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

TEST(Rif, KnownRifsCarryTheirCheckDigit)
{
    for (const char *rif : {"V-11470283-4", "G-20000303-0", "J-29759907-0", "J297599070",
                            "g200003030", " v-11470283-4 "})
        EXPECT_TRUE(Rif::IsValid(QString::fromLatin1(rif))) << rif;
}

TEST(Rif, AnyOtherLastDigitIsWrong)
{
    int valid = 0;
    for (int d = 0; d <= 9; ++d)
        valid += Rif::IsValid(QStringLiteral("J-29759907-%1").arg(d)) ? 1 : 0;
    EXPECT_EQ(valid, 1);
    EXPECT_FALSE(Rif::IsValid("V-11470283-5"));
}

TEST(Rif, RemaindersOfZeroAndOneBothGiveZero)
{
    // G-20000303: the weighted sum is a multiple of 11; J-29759907 leaves 1.
    EXPECT_EQ(Rif::CheckDigit('G', "20000303"), 0);
    EXPECT_EQ(Rif::CheckDigit('J', "29759907"), 0);
    EXPECT_EQ(Rif::CheckDigit('V', "11470283"), 4);
    EXPECT_FALSE(Rif::CheckDigit('X', "11470283"));
    EXPECT_FALSE(Rif::CheckDigit('V', "1147028"));
}

TEST(Rif, OnlyALetterEightDigitsAndADigitLookLikeARif)
{
    EXPECT_TRUE(Rif::LooksLikeRif("J-29759907-1"));
    EXPECT_TRUE(Rif::LooksLikeRif("e123456789"));
    for (const char *code :
         {"J-2975990-7", "X-29759907-0", "J-29759907", "PROV0001", "J-29759907-10", "J.29759907.0"})
        EXPECT_FALSE(Rif::LooksLikeRif(QString::fromLatin1(code))) << code;
}

TEST(Rif, TheLetterTellsTheKindOfPersonAndAMissingDigitIsSeen)
{
    EXPECT_TRUE(Rif::LacksCheckDigit("J-12345678"));
    EXPECT_TRUE(Rif::LacksCheckDigit("v12345678"));
    EXPECT_FALSE(Rif::LacksCheckDigit("J-12345678-9"));
    EXPECT_FALSE(Rif::LacksCheckDigit("PROV12345678"));

    EXPECT_EQ(Rif::HolderOf("V-11470283-4"), Rif::Holder::Natural);
    EXPECT_EQ(Rif::HolderOf("e1234"), Rif::Holder::Natural);
    for (const char *code : {"J-29759907-0", "G20000303", "C-1234", "P-1"})
        EXPECT_EQ(Rif::HolderOf(QString::fromLatin1(code)), Rif::Holder::Legal) << code;
    EXPECT_FALSE(Rif::HolderOf("PROV001"));
    EXPECT_FALSE(Rif::HolderOf("J-"));
}

} // namespace
