#include "ledger/accounts/AccountCodeStructure.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

using Error = AccountCodeStructure::SegmentError;

TEST(AccountCodeStructure, NineDigitsLeaveThreeForTheFifthLevel)
{
    const AccountCodeStructure s(9);
    EXPECT_EQ(s.maxSegmentLength(5), 3);
    EXPECT_EQ(s.codeLength(5), 9);
    EXPECT_EQ(s.levelOf("110101001"), 5);
    EXPECT_EQ(s.levelOf("11010101"), 5);   // two digits are enough
    EXPECT_EQ(s.levelOf("1101010011"), 0); // ten is one too many
    EXPECT_EQ(s.checkSegment(5, "001"), Error::None);
    EXPECT_EQ(s.checkSegment(5, "0011"), Error::TooLong);
}

TEST(AccountCodeStructure, ZeroDigitsLeaveTheFifthLevelToTheColumnWidth)
{
    const AccountCodeStructure s(0);
    EXPECT_EQ(s.maxSegmentLength(5), 6);
    EXPECT_EQ(s.checkSegment(5, "000001"), Error::None);
    EXPECT_EQ(s.levelOf("110101000001"), 5);
    EXPECT_EQ(s.levelOf("1101010000001"), 0);
}

TEST(AccountCodeStructure, TooFewDigitsLeaveNoRoomForAFifthLevel)
{
    const AccountCodeStructure s(7);
    EXPECT_EQ(s.maxSegmentLength(5), 1);
    EXPECT_EQ(s.checkSegment(5, "1"), Error::TooShort);
    EXPECT_EQ(s.levelOf("1101011"), 0);
}

TEST(AccountCodeStructure, LevelsFollowTheLengthsOfTheFixedSegments)
{
    const AccountCodeStructure s(9);
    EXPECT_EQ(s.levelOf("1"), 1);
    EXPECT_EQ(s.levelOf("11"), 2);
    EXPECT_EQ(s.levelOf("111"), 0);
    EXPECT_EQ(s.levelOf("1110"), 3);
    EXPECT_EQ(s.levelOf("111005"), 4);
    EXPECT_EQ(s.levelOf("11100"), 0);
    EXPECT_EQ(s.levelOf("11A0"), 0);
    EXPECT_EQ(s.levelOf(""), 0);
}

TEST(AccountCodeStructure, AncestorsArePrefixes)
{
    const AccountCodeStructure s(9);
    EXPECT_EQ(s.ancestor("111005", 3), "1110");
    EXPECT_EQ(s.ancestor("111005", 2), "11");
    EXPECT_EQ(s.ancestor("111005", 1), "1");
    EXPECT_EQ(s.ancestor("111005001", 4), "111005");
    EXPECT_EQ(s.segments("111005001"), QStringList({"1", "1", "10", "05", "001"}));
    EXPECT_EQ(s.segments("1110"), QStringList({"1", "1", "10"}));
    EXPECT_TRUE(s.segments("").isEmpty());
}

TEST(AccountCodeStructure, SegmentChecksComeInTheirOrder)
{
    const AccountCodeStructure s(9);
    EXPECT_EQ(s.checkSegment(3, "  "), Error::Empty);
    EXPECT_EQ(s.checkSegment(3, "A"), Error::NotNumeric); // letters before length
    EXPECT_EQ(s.checkSegment(3, "1"), Error::TooShort);
    EXPECT_EQ(s.checkSegment(3, "101"), Error::TooLong);
    EXPECT_EQ(s.checkSegment(3, " 10 "), Error::None);
    EXPECT_EQ(s.checkSegment(2, "1"), Error::None);
    EXPECT_EQ(s.checkSegment(1, "12"), Error::TooLong);
    EXPECT_EQ(s.checkSegment(4, "-1"), Error::NotNumeric);
}

} // namespace
