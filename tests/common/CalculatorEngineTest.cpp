#include "common/CalculatorEngine.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

// Types a sequence of keys as the window would ("12.5+3=" ...).
QString run(const char *keys)
{
    CalculatorEngine c;
    for (const char *k = keys; *k; ++k) {
        if (*k >= '0' && *k <= '9')
            c.digit(*k - '0');
        else if (*k == '.')
            c.point();
        else if (*k == '=')
            c.equals();
        else if (*k == '~')
            c.toggleSign();
        else
            c.operation(*k);
    }
    return c.display();
}

TEST(CalculatorEngine, ChainsOperationsLeftToRightWithExactDecimals)
{
    EXPECT_EQ(run("2+3*4="), "20");
    EXPECT_EQ(run("0.1+0.2="), "0.3");  // no binary drift
    EXPECT_EQ(run("10/4="), "2.5");
    EXPECT_EQ(run("1/3="), "0.333333");
    EXPECT_EQ(run("2/3="), "0.666667");
    EXPECT_EQ(run("5~*3="), "-15");
    EXPECT_EQ(run("1234567.89*100="), "123456789");
    EXPECT_EQ(run("7+-2="), "5");  // a second operator replaces the first
}

TEST(CalculatorEngine, DivisionByZeroShowsErrorUntilCleared)
{
    CalculatorEngine c;
    c.digit(8);
    c.operation('/');
    c.digit(0);
    c.equals();
    EXPECT_TRUE(c.hasError());
    EXPECT_EQ(c.display(), "Error");
    c.digit(5);
    EXPECT_EQ(c.display(), "Error");
    c.clear();
    EXPECT_EQ(c.display(), "0");
}

TEST(CalculatorEngine, MemoryKeepsATotalAcrossCalculations)
{
    CalculatorEngine c;
    c.digit(4);
    c.memoryAdd();
    c.clear();
    c.digit(1);
    c.point();
    c.digit(5);
    c.memoryAdd();
    c.memorySubtract();
    c.memoryAdd();
    c.clear();
    c.memoryRecall();
    EXPECT_EQ(c.display(), "5.5");
    EXPECT_TRUE(c.hasMemory());
    c.memoryClear();
    EXPECT_FALSE(c.hasMemory());
}

TEST(CalculatorEngine, EntryEditing)
{
    CalculatorEngine c;
    for (int d : {1, 2, 3})
        c.digit(d);
    c.backspace();
    EXPECT_EQ(c.display(), "12");
    c.point();
    c.point();
    for (int i = 0; i < 9; ++i)
        c.digit(9);  // six decimals at most
    EXPECT_EQ(c.display(), "12.999999");
    c.clearEntry();
    EXPECT_EQ(c.display(), "0");
}

} // namespace
