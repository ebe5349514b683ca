#include "vouchers/entry/EntryTexts.h"
#include "vouchers/entry/LineTax.h"
#include "vouchers/entry/LineValidation.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

Money amount(const char *text)
{
    return *Money::parseTyped(text);
}

TEST(LineValidationTest, ChecksRunInOrderAndNameTheFieldToReturnTo)
{
    using namespace EntryTexts;
    LineVoucherType type;
    EntryLine line;
    auto failing = [&](bool lists = false) {
        const auto e = LineValidation::check(line, type, 2026, 6, lists);
        return e ? std::make_pair(e->field, e->message) : std::make_pair(EntryField::Debit, QString());
    };
    line.account.code = "610201001";
    line.account.manejaTerc = line.account.manejaDoc = line.account.manejaReteFuente = true;
    line.account.activoFijo = true;

    EXPECT_EQ(failing(true), std::make_pair(EntryField::OutflowType, SelectOutflowType));
    line.outflowType = "1";
    EXPECT_EQ(failing(true), std::make_pair(EntryField::Destination, SelectDestination));
    EXPECT_EQ(failing(), std::make_pair(EntryField::VoucherType, SelectVoucherType));
    type.code = "002";
    type.activoFijo = true;
    EXPECT_EQ(failing(), std::make_pair(EntryField::Day, QString("¡Seleccione un dia entre 1 y 30!")));
    line.dayText = "31";
    EXPECT_EQ(failing(), std::make_pair(EntryField::Day, QString(" El dia debe ser entre 1 y 30!")));
    line.dayText = "30";
    line.account.summary = true;
    EXPECT_EQ(failing(), std::make_pair(EntryField::Account, SelectDetailAccount));
    line.account.summary = false;
    EXPECT_EQ(failing(), std::make_pair(EntryField::Party, SelectParty));
    line.party.code = "J001";
    EXPECT_EQ(failing(), std::make_pair(EntryField::DocumentType, SelectDocument));
    line.documentType = "FAC";
    EXPECT_EQ(failing(), std::make_pair(EntryField::Document, SelectDocumentNumber));
    line.document = "123";
    // The concept is asked only of a third party subject to retention.
    EXPECT_EQ(failing(), std::make_pair(EntryField::Asset, AssetDataMissing));
    line.party.sujetoAReteFuente = true;
    EXPECT_EQ(failing(), std::make_pair(EntryField::Concept, SelectConcept));
    line.retentionConcept = "H01";
    line.asset = {"EQ-1", "LAPTOP", {}, {}, 36, QDate(2026, 6, 1), QDate(2026, 7, 1), 1,
                  AssetMovement::Purchase};
    EXPECT_EQ(failing(), std::make_pair(EntryField::Debit, AmountZero));
    line.credit = amount("0.01");
    EXPECT_FALSE(LineValidation::check(line, type, 2026, 6, false));
}

TEST(LineValidationTest, MonthLengthsFollowTheEntryCalendar)
{
    EXPECT_EQ(LineValidation::daysInMonth(2026, 6), 30);
    EXPECT_EQ(LineValidation::daysInMonth(2026, 7), 31);
    EXPECT_EQ(LineValidation::daysInMonth(2026, 2), 28);
    EXPECT_EQ(LineValidation::daysInMonth(2028, 2), 29);
    EXPECT_FALSE(LineValidation::day("29", 2026, 2));
    EXPECT_EQ(LineValidation::day(" 29", 2028, 2), 29);
    EXPECT_FALSE(LineValidation::day("0", 2026, 6));
    EXPECT_FALSE(LineValidation::day("1a", 2026, 6));
}

TEST(LineTaxTest, WithholdingAccountsFixTheirRateAndOthersTakeTheRateInForce)
{
    const Rate inForce = Rate::fromInteger(16);
    EXPECT_EQ(LineTax::rateFor("240816", Rate::fromInteger(12)), Rate::fromInteger(10));
    EXPECT_EQ(LineTax::rateFor("240815", inForce), Rate::fromInteger(10));
    EXPECT_EQ(LineTax::rateFor("240826", Rate::fromInteger(12)), Rate::fromInteger(16));
    EXPECT_EQ(LineTax::rateFor("240823", inForce), Rate::fromInteger(9));
    EXPECT_EQ(LineTax::rateFor("240818", inForce), Rate::fromInteger(7));
    EXPECT_EQ(LineTax::rateFor("2408160", inForce), inForce);
}

TEST(LineTaxTest, RetentionAppliesBaseShareDeductionAndRoundsOnceToTheCent)
{
    RetentionTerms legal{Rate::fromInteger(100), Money(), Rate::fromInteger(5), "210101001"};
    EXPECT_EQ(LineTax::retention(amount("1000.00"), legal, false, {}), amount("50.00"));
    // Natural person: 90 % of the amount, less 50.00, at 3 %.
    RetentionTerms natural{Rate::fromInteger(90), amount("50"), Rate::fromInteger(3), "2"};
    EXPECT_EQ(LineTax::retention(amount("1000.00"), natural, false, {}), amount("25.50"));
    // A deduction larger than the taxable share leaves nothing to retain.
    EXPECT_EQ(LineTax::retention(amount("40.00"), natural, false, {}), Money());
    // Reduced to the amount before a 16 % tax: 1160 → 1000 → 50.00.
    EXPECT_EQ(LineTax::retention(amount("1160.00"), legal, true, Rate::fromInteger(16)),
              amount("50.00"));
    // 2 % of 1234.57 is 24.6914: rounded at the end, half away from zero.
    legal.percentage = Rate::fromInteger(2);
    EXPECT_EQ(LineTax::retention(amount("1234.57"), legal, false, {}), amount("24.69"));
    legal.percentage = Rate::fromMillionths(1500000); // 1.5 % of 1.00 = 0.015 → 0.02
    EXPECT_EQ(LineTax::retention(amount("1.00"), legal, false, {}), amount("0.02"));
}

TEST(LineTaxTest, RetentionRowsCarryInvoiceOrCreditNoteTypes)
{
    EXPECT_EQ(LineTax::retentionDocumentType(""), "*");
    EXPECT_EQ(LineTax::retentionDocumentType("*"), "*");
    EXPECT_EQ(LineTax::retentionDocumentType(" cn "), "NC");
    EXPECT_EQ(LineTax::retentionDocumentType("NC"), "NC");
    EXPECT_EQ(LineTax::retentionDocumentType("FAC"), "FR");
}

} // namespace
