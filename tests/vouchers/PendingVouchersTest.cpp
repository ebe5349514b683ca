#include "vouchers/PendingVouchers.h"

#include "PrintBooks.h"
#include "support/Printers.h"

namespace {

class PendingVouchersTest : public ::testing::Test, protected PrintBooks
{
};

TEST_F(PendingVouchersTest, EveryVoucherHeldInAWorkAreaIsListedOnce)
{
    EXPECT_TRUE(PendingVouchers::list(db()).empty());
    // ANA holds a new voucher in E01 (two lines on two days), LUIS a numbered one taken out
    // in E02 and a new one in E01.
    enter({"110101001", 3, 1000, 0, "a"});
    enter({"610101001", 5, 0, 1000, "b"});
    enter({"110101001", 7, 2000, 0, "c"}, "LUIS", "E02", "7");
    enter({"110101001", 2, 3000, 0, "d"}, "LUIS");

    const auto pending = PendingVouchers::list(db());
    ASSERT_EQ(pending.size(), 3u);
    EXPECT_EQ(pending[0].company, "E01");
    EXPECT_EQ(pending[0].companyName, "Distribuidora Alfa, C.A.");
    EXPECT_EQ(pending[0].type, "001");
    EXPECT_EQ(pending[0].number, "");
    EXPECT_EQ(pending[0].user, "ANA");
    EXPECT_EQ(pending[0].userName, "Ana Rojas");
    EXPECT_EQ(pending[0].date, QDate(2026, 3, 5)); // its latest line
    EXPECT_EQ(pending[1].user, "LUIS");
    EXPECT_EQ(pending[1].company, "E01");
    EXPECT_EQ(pending[2].company, "E02");
    EXPECT_EQ(pending[2].companyName, "Alfa Valencia");
    EXPECT_EQ(pending[2].number, "7");
    EXPECT_EQ(pending[2].userName, "Luis Mora");

    // Approved, ANA's voucher leaves the list.
    ASSERT_TRUE(approveWorkArea().approved());
    const auto after = PendingVouchers::list(db());
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].user, "LUIS");
}

TEST_F(PendingVouchersTest, TheMessageShowsTheVoucherOneValueALine)
{
    const PendingVoucher v{"E02",       "Alfa Valencia",  "001", "7", "LUIS",
                           "Luis Mora", QDate(2026, 3, 7)};
    EXPECT_EQ(PendingVouchers::message(v), "Empresa            :  E02\n"
                                           "Nombre             : Alfa Valencia\n"
                                           "Comprobante    : 001\n"
                                           "Numero             : 7\n"
                                           "Usuario             : LUIS - Luis Mora\n"
                                           "Fecha Registro : 07/03/2026");
}

} // namespace
