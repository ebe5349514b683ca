#include "reports/MonthRange.h"

#include <gtest/gtest.h>

namespace {

QString faultText(int first, int last, int closing)
{
    return MonthRange::fault(first, last, closing).value_or(QStringLiteral("bien"));
}

TEST(MonthRangeTest, DecemberClosingOnlyAsksForAForwardRange)
{
    EXPECT_EQ(faultText(1, 12, 12), "bien");
    EXPECT_EQ(faultText(12, 12, 12), "bien");
    EXPECT_EQ(faultText(5, 5, 12), "bien");
    EXPECT_EQ(faultText(6, 5, 12), MonthRange::FirstAfterLast);
    EXPECT_EQ(faultText(1, 12, 0), "bien"); // no closing month kept: December
}

TEST(MonthRangeTest, JuneClosingKeepsTheRangeInsideOneFiscalYear)
{
    // January-June ends the fiscal year closing in June; July-December opens the next.
    EXPECT_EQ(faultText(1, 6, 6), "bien");
    EXPECT_EQ(faultText(6, 6, 6), "bien");
    EXPECT_EQ(faultText(7, 12, 6), "bien");
    EXPECT_EQ(faultText(9, 9, 6), "bien");

    EXPECT_EQ(faultText(3, 8, 6), MonthRange::LastUpToClosing);
    EXPECT_EQ(faultText(6, 7, 6), MonthRange::FirstAfterClosing);
    EXPECT_EQ(faultText(8, 6, 6), MonthRange::LastNotClosing);
    EXPECT_EQ(faultText(8, 2, 6), MonthRange::FirstAfterLast);
    EXPECT_EQ(faultText(12, 7, 6), MonthRange::FirstAfterLast);
    EXPECT_EQ(faultText(5, 2, 6), MonthRange::FirstAfterLast);
}

} // namespace
