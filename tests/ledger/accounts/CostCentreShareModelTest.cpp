#include "ledger/accounts/CostCentreShareModel.h"
#include "ledger/accounts/PercentageText.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

class CostCentreShareModelTest : public ::testing::Test
{
protected:
    CostCentreShareModelTest()
    {
        model.setLocale(QLocale(QLocale::Spanish, QLocale::Venezuela));
        model.add({"ADM", "ADMINISTRACION", {}});
        model.add({"VEN", "VENTAS", {}});
    }
    bool type(int row, const QString &text)
    {
        return model.setData(model.index(row, CostCentreShareModel::PercentageColumn), text);
    }
    CostCentreShareModel model;
};

TEST_F(CostCentreShareModelTest, ACommaAndAPointTypeTheSameShare)
{
    ASSERT_TRUE(type(0, "49,99"));
    ASSERT_TRUE(type(1, "49.99"));
    EXPECT_EQ(model.shares()[0].percentage, model.shares()[1].percentage);
    EXPECT_EQ(model.shares()[0].percentage.millionths(), 49990000);
    EXPECT_EQ(model.totalText(), "99,98");
}

TEST_F(CostCentreShareModelTest, TextThatIsNotAShareLeavesTheCell)
{
    ASSERT_TRUE(type(0, "50"));
    EXPECT_FALSE(type(0, "5O"));
    EXPECT_FALSE(type(0, "-5"));
    EXPECT_FALSE(type(0, "1,2,3"));
    EXPECT_FALSE(type(0, "0,0000001"));
    EXPECT_EQ(model.shares()[0].percentage.millionths(), 50000000);
    EXPECT_TRUE(type(0, ""));
    EXPECT_TRUE(model.shares()[0].percentage.isZero());
}

TEST_F(CostCentreShareModelTest, SharesShowEveryDecimalTheyHave)
{
    ASSERT_TRUE(type(0, "33.333334"));
    const QModelIndex cell = model.index(0, CostCentreShareModel::PercentageColumn);
    EXPECT_EQ(cell.data().toString(), "33,333334");
    ASSERT_TRUE(type(1, "66,5"));
    EXPECT_EQ(model.index(1, CostCentreShareModel::PercentageColumn).data().toString(), "66,50");
    EXPECT_EQ(model.totalText(), "99,83");
    EXPECT_EQ(
        PercentageText(Rate::fromInteger(1000), QLocale(QLocale::Spanish, QLocale::Venezuela)),
        "1000,00");
}

} // namespace
