// Numbers read from attribute text: every way of writing one gives the double that a correctly rounding
// conversion gives, and what is not a number is refused.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "svg/SvgNumbers.h"

using host::svg::ParseNumber;
using host::svg::ParseNumberList;
using host::svg::SvgValueError;

namespace {

// The reference: strtod in the C locale rounds correctly.
double Reference(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

}  // namespace

TEST(SvgNumbers, EveryWritingGivesTheCorrectlyRoundedDouble)
{
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "+0",
                                      "10.0",
                                      "-4",
                                      ".5",
                                      "-.5",
                                      "5.",
                                      "0.1",
                                      "0.3",
                                      "123456789012345",
                                      "1234567890123456",
                                      "99999999999999999999",
                                      "0.000000000000000000001",
                                      "0.0000000000000000000001",
                                      "1e3",
                                      "1.5E-7",
                                      "-2e+2",
                                      "9007199254740993",
                                      "0.1000000000000000055511"};
    uint64_t state = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const int decimals = static_cast<int>(state % 18);
        const uint64_t digits = (state >> 8) % 10000000000000000000ull >> (state % 40);
        std::string text = std::to_string(digits);
        if (decimals > 0) {
            if (text.size() <= static_cast<std::size_t>(decimals))
                text.insert(0, static_cast<std::size_t>(decimals) + 1 - text.size(), '0');
            text.insert(text.size() - static_cast<std::size_t>(decimals), ".");
        }
        texts.push_back((i % 3 == 0 ? "-" : "") + text);
    }
    for (const std::string& text : texts) {
        const double value = ParseNumber(text);
        const double expected = Reference(text);
        ASSERT_EQ(value, expected) << text;
        ASSERT_EQ(std::signbit(value), std::signbit(expected)) << text;
    }
}

TEST(SvgNumbers, ListsAndRefusals)
{
    EXPECT_EQ(ParseNumberList(" 22.0,10.0 26 , 11-3.5.5"), (std::vector<double>{22, 10, 26, 11, -3.5, 0.5}));
    EXPECT_EQ(ParseNumberList(""), std::vector<double>{});
    for (const char* bad : {"", "-", ".", "e5", "1,", "1e999", "-1e999", "1e-999", "0x10"})
        EXPECT_THROW(ParseNumber(bad), SvgValueError) << bad;
    EXPECT_EQ(ParseNumber("0e-999"), 0.0);
}
