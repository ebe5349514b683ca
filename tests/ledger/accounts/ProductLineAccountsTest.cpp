#include "ledger/accounts/ProductLineAccounts.h"

#include "AccountFixture.h"

namespace {

class ProductLineAccountsTest : public AccountFixture
{
protected:
    ProductLineAccountsTest()
    {
        addSalesAccounts();
        addAccount("41350100", "VENTAS VARIAS", "413501", 5, false);
        addAccount("413501009", "VENTAS A RELACIONADAS", "413501", 5, false);
        db().exec("UPDATE CUENTACONTABLE SET Consolidacion = 1 WHERE Codigo = '413501009'");
    }
    ProductLineAccounts lines{session};
};

TEST_F(ProductLineAccountsTest, OnlyNineDigitSalesAccountsOutsideConsolidationAreOffered)
{
    EXPECT_EQ(lines.salesAccountName("413501001"), "VENTAS DE VIVERES");
    EXPECT_FALSE(lines.salesAccountName("41350100"));  // eight digits
    EXPECT_FALSE(lines.salesAccountName("413501009")); // consolidation
    EXPECT_FALSE(lines.salesAccountName("110101001")); // not a sales account
    EXPECT_FALSE(lines.salesAccountName("4135%"));
    const auto offered = db().rows(ProductLineAccounts::SalesAccountList, {"4135%"});
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[1].value(0).toString(), "413501002");
}

TEST_F(ProductLineAccountsTest, LinesAreAddedChangedListedAndDeleted)
{
    ASSERT_EQ(lines.add({"L02", "VIVERES", "413501001", {}}).result,
              ProductLineAccounts::Result::Saved);
    ASSERT_EQ(lines.addDirect({"L01", "CHARCUTERIA", "413501002", {}}).result,
              ProductLineAccounts::Result::Saved);
    auto listed = lines.list();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0], (ProductLine{"L01", "CHARCUTERIA", "413501002", "VENTAS DE CHARCUTERIA"}));
    EXPECT_EQ(listed[1].account, "413501001");

    ASSERT_EQ(lines.update({"L02", "ABARROTES", "413501002", {}}).result,
              ProductLineAccounts::Result::Saved);
    listed = lines.list();
    EXPECT_EQ(listed[0].name, "ABARROTES");
    EXPECT_EQ(listed[0].account, "413501002");

    EXPECT_TRUE(lines.remove("L01"));
    EXPECT_FALSE(lines.remove("L01"));
    EXPECT_EQ(lines.list().size(), 1u);
}

TEST_F(ProductLineAccountsTest, IncompleteLinesAreRefusedInOrder)
{
    auto outcome = lines.add({"", "", "", {}});
    EXPECT_EQ(outcome.field, ProductLineAccounts::Field::Code);
    EXPECT_EQ(prompter.lastText(), "¡Codigo no puede estar en blanco!");
    outcome = lines.add({"L01", " ", "", {}});
    EXPECT_EQ(outcome.field, ProductLineAccounts::Field::Name);
    outcome = lines.add({"L01", "VIVERES", "413501009", {}});
    EXPECT_EQ(outcome.field, ProductLineAccounts::Field::Account);
    EXPECT_EQ(prompter.lastText(), "La cuenta no existe!");
    ASSERT_EQ(lines.add({"L01", "VIVERES", "413501001", {}}).result,
              ProductLineAccounts::Result::Saved);
    outcome = lines.addDirect({"L01", "OTRA", "413501002", {}});
    EXPECT_EQ(outcome.field, ProductLineAccounts::Field::Code);
    EXPECT_EQ(prompter.lastText(), ProductLineAccounts::Duplicate);
    EXPECT_EQ(count("CUENTACONTABLELINEA"), 1);
}

} // namespace
