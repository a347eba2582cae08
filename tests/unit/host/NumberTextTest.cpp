#include <gtest/gtest.h>

#include "host/NumberText.h"

using host::FormatFixed;
using host::ParseDecimalInteger;
using host::ParseDecimalReal;

TEST(NumberText, IntegersArePlainDecimalWithinThirtyTwoBits)
{
    int32_t value = 7;
    EXPECT_TRUE(ParseDecimalInteger("13", value));
    EXPECT_EQ(value, 13);
    EXPECT_TRUE(ParseDecimalInteger("-2147483648", value));
    EXPECT_EQ(value, INT32_MIN);
    EXPECT_TRUE(ParseDecimalInteger("+5", value));
    EXPECT_EQ(value, 5);
    value = 7;
    for (const char* bad : {"", "abc", "2147483648", " 1", "1 ", "1.0", "+", "-", "0x10", "+-1"}) {
        EXPECT_FALSE(ParseDecimalInteger(bad, value)) << bad;
        EXPECT_EQ(value, 7) << bad;
    }
}

TEST(NumberText, RealsRefuseNanInfinityAndOverflow)
{
    double value = 1.5;
    EXPECT_TRUE(ParseDecimalReal("30.004", value));
    EXPECT_DOUBLE_EQ(value, 30.004);
    EXPECT_TRUE(ParseDecimalReal(".5", value));
    EXPECT_DOUBLE_EQ(value, 0.5);
    EXPECT_TRUE(ParseDecimalReal("-2.", value));
    EXPECT_DOUBLE_EQ(value, -2.0);
    EXPECT_TRUE(ParseDecimalReal("1e3", value));
    EXPECT_DOUBLE_EQ(value, 1000.0);
    value = 1.5;
    for (const char* bad : {"", ".", "nan", "inf", "-inf", "1e999", "1e", "1,5", "12.3.4", " 1", "e5"}) {
        EXPECT_FALSE(ParseDecimalReal(bad, value)) << bad;
        EXPECT_EQ(value, 1.5) << bad;
    }
}

TEST(NumberText, FixedNotationRoundsAndNeverWritesMinusZero)
{
    std::string text;
    ASSERT_TRUE(FormatFixed(6800.4, 0, text));
    EXPECT_EQ(text, "6800");
    ASSERT_TRUE(FormatFixed(-0.2, 0, text));
    EXPECT_EQ(text, "0");
    ASSERT_TRUE(FormatFixed(-12.0, 0, text));
    EXPECT_EQ(text, "-12");
    ASSERT_TRUE(FormatFixed(14.173228346456694, 6, text));
    EXPECT_EQ(text, "14.173228");
    ASSERT_TRUE(FormatFixed(1.7976931348623157e308, 0, text));
    EXPECT_EQ(text.size(), 309u);
    EXPECT_FALSE(FormatFixed(1.0 / 0.0, 0, text));
    EXPECT_FALSE(FormatFixed(1.0, 11, text));
    EXPECT_FALSE(FormatFixed(1.0, -1, text));
}
