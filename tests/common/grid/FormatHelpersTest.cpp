#include "common/grid/FormatHelpers.h"
#include "common/Money.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

const QLocale venezuela(QLocale::Spanish, QLocale::Venezuela);
const QLocale english(QLocale::English, QLocale::UnitedStates);

TEST(MonthNameTest, NamesTheTwelveMonthsInSpanishAndNothingElse)
{
    EXPECT_EQ(MonthName(1), "Enero");
    EXPECT_EQ(MonthName(9), "Septiembre");
    EXPECT_EQ(MonthName(12), "Diciembre");
    EXPECT_EQ(MonthName(0), "");
    EXPECT_EQ(MonthName(13), "");
}

TEST(DaysInMonthTest, CountsEveryFourthFebruaryAsLeapCenturiesIncluded)
{
    EXPECT_EQ(DaysInMonth(2, 1900), 29);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 2024), 29);
    EXPECT_EQ(DaysInMonth(2, 2023), 28);
    EXPECT_EQ(DaysInMonth(1, 2023), 31);
    EXPECT_EQ(DaysInMonth(4, 2023), 30);
    EXPECT_EQ(DaysInMonth(12, 2023), 31);
    EXPECT_EQ(DaysInMonth(0, 2023), 0);
    EXPECT_EQ(DaysInMonth(13, 2023), 0);
}

TEST(SeparatorTest, FollowTheLocale)
{
    EXPECT_EQ(DecimalSeparator(venezuela), ",");
    EXPECT_EQ(ThousandsSeparator(venezuela), ".");
    EXPECT_EQ(DecimalSeparator(english), ".");
    EXPECT_EQ(ThousandsSeparator(english), ",");
    EXPECT_EQ(LocaleDecimalSeparator(venezuela), ",");
    EXPECT_EQ(LocaleDecimalSeparator(english), ".");
}

TEST(FormatAmountSqlTest, WritesAPointAndTwoDecimalsWhateverTheLocale)
{
    EXPECT_EQ(FormatAmountSql(Money::fromThousandths(1234500)), "1234.50");
    EXPECT_EQ(FormatAmountSql("1234,5", venezuela), "1234.50");
    EXPECT_EQ(FormatAmountSql("1.234,5", venezuela), "1234.50");
    EXPECT_EQ(FormatAmountSql("1234.5", venezuela), "1234.50");
    EXPECT_EQ(FormatAmountSql("1,234.5", english), "1234.50");
    EXPECT_EQ(FormatAmountSql("-0,005", venezuela), "-0.01");
    EXPECT_EQ(FormatAmountSql("", venezuela), "0.00");
    EXPECT_EQ(FormatAmountSql("abc", venezuela), "");
}

TEST(PadZerosTest, TrimsAndPadsOnTheLeft)
{
    EXPECT_EQ(PadZeros(" 42 ", 5), "00042");
    EXPECT_EQ(PadZeros("123456", 4), "123456");
    EXPECT_EQ(PadZeros("", 3), "000");
}

TEST(StripTest, OrderByGoesFromTheLastOne)
{
    EXPECT_EQ(StripOrderBy("SELECT a FROM (SELECT a FROM t ORDER BY a) x order by a"),
              "SELECT a FROM (SELECT a FROM t ORDER BY a) x ");
    EXPECT_EQ(StripOrderBy("SELECT a FROM t"), "SELECT a FROM t");
}

TEST(StripTest, WhereGoesOnlyWhenThereIsAParameter)
{
    EXPECT_EQ(StripParameterWhere("SELECT a FROM t WHERE b = 1 and c where a like ?"),
              "SELECT a FROM t WHERE b = 1 and c ");
    EXPECT_EQ(StripParameterWhere("SELECT a FROM t WHERE b = 1"), "SELECT a FROM t WHERE b = 1");
    EXPECT_EQ(StripParameterWhere("SELECT ? FROM t"), "SELECT ? FROM t");
}

} // namespace
