#include "common/Money.h"
#include "common/Rate.h"
#include "support/Printers.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <numeric>

namespace {

const QLocale venezuela(QLocale::Spanish, QLocale::Venezuela);
const QLocale english(QLocale::English, QLocale::UnitedStates);

Money m(qint64 thousandths)
{
    return Money::fromThousandths(thousandths);
}

TEST(MoneyParse, ReadsTheLocalesSeparators)
{
    // Venezuela writes 1.234,56; the program must not depend on the workstation's locale.
    ASSERT_EQ(venezuela.decimalPoint(), ",");
    EXPECT_EQ(Money::parse("1.234.567,89", venezuela), m(1'234'567'890));
    EXPECT_EQ(Money::parse("1,234,567.89", english), m(1'234'567'890));
    EXPECT_EQ(Money::parse("-0,5", venezuela), m(-500));
    EXPECT_EQ(Money::parse("  12,345 ", venezuela), m(12'345));
    EXPECT_EQ(Money::parse("1234", venezuela), m(1'234'000));
    EXPECT_EQ(Money::parse(",75", venezuela), m(750));
}

TEST(MoneyParse, RejectsWhatIsNotAnAmount)
{
    for (const char *bad : {"", "-", "abc", "1,2,3", "12,3456", "1.23,4", "12.34.5", "1e5", "12 34",
                            "9999999999999999", "١٢"})
        EXPECT_FALSE(Money::parse(bad, venezuela).has_value()) << bad;
    EXPECT_FALSE(Money::parse("1.234,56", english).has_value());
}

TEST(MoneyParse, TypedAmountsTakeCommaOrPointAsTheDecimal)
{
    EXPECT_EQ(Money::parseTyped("12,5"), m(12'500));
    EXPECT_EQ(Money::parseTyped("12.5"), m(12'500));
    EXPECT_EQ(Money::parseTyped("-3"), m(-3'000));
    EXPECT_FALSE(Money::parseTyped("1.234,5").has_value());
    EXPECT_FALSE(Money::parseTyped("1,2,3").has_value());
}

TEST(MoneyFormat, ShowsTwoDecimalsWithGrouping)
{
    EXPECT_EQ(m(1'234'567'891).format(venezuela), "1.234.567,89");
    EXPECT_EQ(m(1'234'567'895).format(english), "1,234,567.90");
    EXPECT_EQ(m(-5).format(venezuela), "-0,01"); // half away from zero
    EXPECT_EQ(m(-4).format(venezuela), "0,00");
    EXPECT_EQ(Money().format(venezuela), "0,00");
    EXPECT_EQ(m(999'995).format(english), "1,000.00");
    EXPECT_EQ(m(-1'234'567'004).toPlainString(), "-1234567.00");
    EXPECT_EQ(m(1'000'000'000'000'000'000LL).format(english), "1,000,000,000,000,000.00");
}

TEST(MoneyFormat, FormattedTextParsesBackToTheCent)
{
    for (qint64 v : {0LL, 10LL, -990LL, 123'456'780LL, 9'999'999'999'990LL}) {
        EXPECT_EQ(Money::parse(m(v).format(venezuela), venezuela), m(v));
        EXPECT_EQ(Money::parse(m(v).format(english), english), m(v));
    }
}

TEST(MoneyArithmetic, SumsAreExactWhereDoublesDrift)
{
    Money total;
    for (int i = 0; i < 1000; ++i)
        total += m(100); // 0.10 a thousand times
    EXPECT_EQ(total, Money::fromUnits(100));
    EXPECT_EQ(m(300) - m(100) - m(200), Money());
    EXPECT_EQ(m(-1500).abs(), m(1500));
    EXPECT_LT(m(-1), Money());
}

TEST(MoneyArithmetic, CentComparisonRoundsHalfAwayFromZero)
{
    EXPECT_EQ(m(1005).cents(), 101);
    EXPECT_EQ(m(1004).cents(), 100);
    EXPECT_EQ(m(-1005).cents(), -101);
    EXPECT_TRUE(m(100'004).equalToCent(m(99'995)));
    EXPECT_FALSE(m(100'005).equalToCent(m(100'004)));
    EXPECT_EQ(m(2'345).roundedToCents(), m(2'350));
}

TEST(MoneyArithmetic, RatesAndPercentagesRoundOnce)
{
    const Rate sixteen = Rate::fromInteger(16);
    EXPECT_EQ(Money::fromUnits(1000).percent(sixteen), Money::fromUnits(160));
    EXPECT_EQ(m(333).percent(Rate::fromInteger(75)), m(250)); // 249.75 -> 250
    EXPECT_EQ(m(-333).percent(Rate::fromInteger(75)), m(-250));
    const Rate exchange = Rate::fromMillionths(36'452'100); // 36,4521
    EXPECT_EQ(Money::fromUnits(1'000'000).times(exchange), Money::fromUnits(36'452'100));
    // Large amount times a rate does not overflow the intermediate product.
    EXPECT_EQ(Money::fromUnits(1'000'000'000'000LL).times(Rate::fromInteger(2)),
              Money::fromUnits(2'000'000'000'000LL));
}

TEST(MoneyAllocate, PartsAlwaysAddUpToTheTotal)
{
    const auto thirds = Money::allocate(Money::fromUnits(100), {1, 1, 1});
    EXPECT_EQ(thirds, (std::vector<Money>{m(33'340), m(33'330), m(33'330)}));

    const auto withResidue = Money::allocate(m(100'005), {50, 30, 20});
    EXPECT_EQ(std::accumulate(withResidue.begin(), withResidue.end(), Money()), m(100'005));
    EXPECT_EQ(withResidue[0], m(50'005)); // the sub-cent residue goes to the largest share

    const auto negative = Money::allocate(Money::fromCents(-1), {1, 1});
    EXPECT_EQ(negative[0] + negative[1], Money::fromCents(-1));

    const auto zeroWeight = Money::allocate(Money::fromUnits(10), {0, 3, 1});
    EXPECT_EQ(zeroWeight[0], Money());
    EXPECT_EQ(zeroWeight[1] + zeroWeight[2], Money::fromUnits(10));

    EXPECT_THROW(Money::allocate(Money::fromUnits(1), {0, 0}), std::invalid_argument);
    EXPECT_THROW(Money::allocate(Money::fromUnits(1), {1, -1}), std::invalid_argument);
}

TEST(MoneyArithmetic, DivisionRoundsHalfAwayFromZeroToTheThousandth)
{
    EXPECT_EQ(m(10).dividedBy(4), m(3)); // 2.5 thousandths
    EXPECT_EQ(m(-10).dividedBy(4), m(-3));
    EXPECT_EQ(m(10).dividedBy(-4), m(-3));
    EXPECT_EQ(m(9).dividedBy(4), m(2)); // 2.25
    EXPECT_EQ(Money::fromUnits(100).dividedBy(3), m(33'333));
    EXPECT_THROW(m(1).dividedBy(0), std::invalid_argument);
    EXPECT_EQ(m(1'500).roundedToUnits(), m(2'000));
    EXPECT_EQ(m(-1'500).roundedToUnits(), m(-2'000));
    EXPECT_EQ(m(1'499).roundedToUnits(), m(1'000));
}

TEST(MoneyCostCentreSplit, SharesAreWholeUnitsAndTheLastTakesTheRest)
{
    const auto pct = [](qint64 hundredths) { return Rate::fromMillionths(hundredths * 10'000); };
    // 1,000.55 over 33.33 / 33.33 / 33.34: 333.48 rounds to 333 twice, the last gets 334.55.
    const auto thirds = Money::costCentreSplit(m(1'000'550), {pct(3333), pct(3333), pct(3334)});
    EXPECT_EQ(thirds, (std::vector<Money>{m(333'000), m(333'000), m(334'550)}));

    // Rounded once, from the exact product: 0.4995 is 0 units, not 0.500 and then 1.
    const auto once = Money::costCentreSplit(m(999), {pct(5000), pct(5000)});
    EXPECT_EQ(once, (std::vector<Money>{m(0), m(999)}));

    // Credits split the same way, half away from zero; shares that do not total 100 % still
    // give rows that add up to the amount typed.
    const auto credit = Money::costCentreSplit(m(-5'000), {pct(5000), pct(4000)});
    EXPECT_EQ(credit, (std::vector<Money>{m(-3'000), m(-2'000)}));
    EXPECT_EQ(Money::costCentreSplit(m(7'000), {pct(10000)}), std::vector<Money>{m(7'000)});
    EXPECT_TRUE(Money::costCentreSplit(m(7'000), {}).empty());
}

TEST(MoneySql, ReadsIntegersExactTextAndNull)
{
    EXPECT_EQ(Money::fromSql(QVariant(qlonglong(12345))), m(12345));
    EXPECT_EQ(Money::fromSql(QVariant(QStringLiteral("9007199254740993"))), m(9007199254740993LL));
    EXPECT_EQ(Money::fromSql(QVariant(QStringLiteral("-42.000"))), m(-42));
    EXPECT_EQ(Money::fromSql(QVariant()), Money());
    EXPECT_EQ(Money::fromSql(m(77).toSql()), m(77));
}

TEST(Rate, ParsesAndFormatsSixDecimals)
{
    EXPECT_EQ(Rate::parse("36,452112", venezuela), Rate::fromMillionths(36'452'112));
    EXPECT_EQ(Rate::parseTyped("0.5"), Rate::fromMillionths(500'000));
    EXPECT_FALSE(Rate::parse("1,2345678", venezuela).has_value());
    EXPECT_EQ(Rate::fromMillionths(36'455'000).format(venezuela), "36,46");
    EXPECT_EQ(Rate::fromMillionths(1'234'567'891).format(english, 4), "1,234.5679");
}

} // namespace
