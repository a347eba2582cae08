#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "CutConditions.h"
#include "CutLine.h"
#include "CutOutputPaths.h"
#include "HelpPagePath.h"

namespace {

std::string Printf(double value)
{
    char text[400];
    std::snprintf(text, sizeof text, "%lf", value);
    return text;
}

std::string Formatted(double value)
{
    char text[kMaxRealTextLength + 1];
    const std::size_t length = FormatCutReal(value, text);
    return std::string(text, length);
}

}  // namespace

TEST(CutLine, RealsAreWrittenExactlyAsPrintfWritesThem)
{
    constexpr double kMax = std::numeric_limits<double>::max();
    std::vector<double> values = {0.0,
                                  -0.0,
                                  14.173228346456694,
                                  -3.5,
                                  0.0000005,
                                  0.0000015,
                                  2.5e-7,
                                  -4.9e-7,
                                  999999.9999995,
                                  1e15 + 0.5,
                                  123456789.1234565,
                                  kMax,
                                  -kMax,
                                  std::numeric_limits<double>::denorm_min(),
                                  1e300,
                                  -1.5e-300,
                                  0.125,
                                  1e22};
    // Deterministic values over many magnitudes.
    uint64_t state = 88172645463325252ull;
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const double mantissa = static_cast<double>(state >> 11) / 9007199254740992.0;
        values.push_back((i % 2 ? -1 : 1) * std::ldexp(mantissa, i % 80 - 30));
    }
    // Page coordinates with every fraction, halves of the sixth decimal that are exact (k/128) and those that
    // are not, and their neighbours, where rounding the scaled value in doubles could go the wrong way.
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        values.push_back(static_cast<double>(state >> 11) / 9007199254740992.0 * (i % 2 ? -5000 : 5000));
    }
    for (int k = -300; k <= 300; ++k) {
        const double half = k / 128.0;
        const double decimal = k * 1e-6 + 5e-7;
        for (const double value : {half, decimal, 1000 + decimal, 8e6 + half, -8.7e6 + half})
            for (const double near : {value, std::nextafter(value, -1e300), std::nextafter(value, 1e300)})
                values.push_back(near);
    }
    for (const double value : {8796093.022208, -8796093.022207, 8796093.0222085, 1e-7, -1e-7, 4.9999999e-7})
        values.push_back(value);
    // Whole parts of every length the fast way writes, with fractions that carry into them.
    for (const double value : {7.25, -42.5, 123.0625, 9999.9999996, -10000.0000004, 99999.5, 123456.7890125, 1234567.75,
                               -8796092.9999996, 0.0100001, 0.0000999})
        values.push_back(value);
    for (const double value : values) ASSERT_EQ(Formatted(value), Printf(value)) << value;
    EXPECT_EQ(Formatted(-kMax).size(), kMaxRealTextLength);
}

TEST(CutLine, NonNumbersAreRefusedAndTheLineWithThem)
{
    for (const double value :
         {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(Formatted(value), "");
        CutLine line;
        line.Real(1).Real(value).Word("m");
        EXPECT_EQ(line.Finish(), nullptr);
    }
}

TEST(CutLine, ItemsAreSeparatedByBlanksAndTheLongestLineFits)
{
    CutLine small;
    small.Word("%%VarrowCropMark:").Real(14.173228346456694).Integer(-4);
    EXPECT_STREQ(small.Finish(), "%%VarrowCropMark: 14.173228 -4\r\n");
    constexpr double kMax = std::numeric_limits<double>::max();
    CutLine longest;
    std::string expected;
    for (int i = 0; i < 6; ++i) {
        longest.Real(-kMax);
        expected += Printf(-kMax) + " ";
    }
    longest.Word("c");
    ASSERT_NE(longest.Finish(), nullptr);
    EXPECT_EQ(std::string(longest.Finish()), expected + "c\r\n");
    // An item past the capacity is refused, never cut short.
    CutLine tooLong;
    for (int i = 0; i < 9; ++i) tooLong.Real(-kMax);
    EXPECT_EQ(tooLong.Finish(), nullptr);
}

TEST(TalvexCommandLine, JoinsThePathsAndQuotesOnlyThoseWithBlanks)
{
    EXPECT_EQ(TalvexCommandLine("C:\\Talvex\\Talvex.exe", "C:\\Temp\\~TX1A2.TMP"),
              "C:\\Talvex\\Talvex.exe -i C:\\Temp\\~TX1A2.TMP");
    EXPECT_EQ(TalvexCommandLine("C:\\Program Files\\Talvex\\Talvex.exe", "C:\\Temp\\~TX1A2.TMP"),
              "\"C:\\Program Files\\Talvex\\Talvex.exe\" -i C:\\Temp\\~TX1A2.TMP");
    EXPECT_EQ(TalvexCommandLine("/opt/talvex", "/home/a user/tmp/~TXFFFF.TMP"),
              "/opt/talvex -i \"/home/a user/tmp/~TXFFFF.TMP\"");
    EXPECT_EQ(TalvexCommandLine("", ""), " -i ");
}

TEST(RegistryPath, TakesTheBytesUpToTheFirstNulOrTheSizeRead)
{
    std::string path = "unchanged";
    EXPECT_TRUE(PathOfRegistryBytes("C:\\Talvex.exe", 13, path));
    EXPECT_EQ(path, "C:\\Talvex.exe");
    EXPECT_TRUE(PathOfRegistryBytes("C:\\T\0garbage", 12, path));
    EXPECT_EQ(path, "C:\\T");
    EXPECT_TRUE(PathOfRegistryBytes("", 0, path));
    EXPECT_EQ(path, "");

    std::string bytes(kMaxPathBytes, 'x');
    path = "unchanged";
    EXPECT_FALSE(PathOfRegistryBytes(bytes.data(), kMaxPathBytes, path));  // no room for the terminator
    EXPECT_EQ(path, "unchanged");
    EXPECT_TRUE(PathOfRegistryBytes(bytes.data(), kMaxPathBytes - 1, path));
    EXPECT_EQ(path, std::string(kMaxPathBytes - 1, 'x'));
    bytes.back() = '\0';
    EXPECT_TRUE(PathOfRegistryBytes(bytes.data(), kMaxPathBytes, path));
    EXPECT_EQ(path, std::string(kMaxPathBytes - 1, 'x'));
}

TEST(CutConditions, StoresThePanelsValuesConverted)
{
    CutConditions conditions{};
    StoreCutConditions({10, 20, 1.0, 0.3, 1, 30, 0.25, 1, 0, 3}, conditions);
    EXPECT_EQ(conditions.cutForce, 10);
    EXPECT_EQ(conditions.halfCutForce, 20);
    EXPECT_EQ(conditions.cutLength, 40);
    EXPECT_EQ(conditions.halfCutLength, 11);  // 11.999999999999998, truncated
    EXPECT_EQ(conditions.cutQuality, 0);
    EXPECT_EQ(conditions.cutSpeed, 30);
    EXPECT_EQ(conditions.cutterOffset, 250);
    EXPECT_EQ(conditions.useMachineCutCondition, 1);
    EXPECT_EQ(conditions.useMachinePerforationCondition, 0);
    EXPECT_EQ(conditions.cutOverlapCount, 2);

    StoreCutConditions({}, conditions);  // an empty payload reads as zeros
    EXPECT_EQ(conditions.cutQuality, -1);
    EXPECT_EQ(conditions.cutOverlapCount, -1);
    EXPECT_EQ(conditions.cutLength, 0);
    StoreCutConditions({0, 0, -1.0, -0.0374, 0, 0, -0.0019, 0, 0, 0}, conditions);
    EXPECT_EQ(conditions.cutLength, -40);
    EXPECT_EQ(conditions.halfCutLength, -1);  // toward zero
    EXPECT_EQ(conditions.cutterOffset, -1);
}

TEST(CutConditions, ValuesTheFieldsCannotHoldKeepThePreviousOnes)
{
    CutConditions conditions{};
    StoreCutConditions({1, 2, 1.0, 2.0, 5, 3, 0.5, 1, 1, 4}, conditions);
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    const int32_t lowest = std::numeric_limits<int32_t>::min();
    StoreCutConditions({7, 8, nan, inf, lowest, 9, -inf, 0, 0, lowest}, conditions);
    EXPECT_EQ(conditions.cutLength, 40);
    EXPECT_EQ(conditions.halfCutLength, 80);
    EXPECT_EQ(conditions.cutterOffset, 500);
    EXPECT_EQ(conditions.cutQuality, 4);
    EXPECT_EQ(conditions.cutOverlapCount, 3);
    EXPECT_EQ(conditions.cutForce, 7);
    // Just inside and just outside 32 bits.
    StoreCutConditions({0, 0, 2147483646.5 * 0.025, 2147483649.0 * 0.025, 1, 0, -2147483.6475, 0, 0, 1}, conditions);
    EXPECT_EQ(conditions.cutLength, 2147483646);
    EXPECT_EQ(conditions.halfCutLength, 80);
    EXPECT_EQ(conditions.cutterOffset, -2147483647);
    StoreCutConditions({0, 0, 0, 0, 1, 0, -2147483.6495, 0, 0, 1}, conditions);
    EXPECT_EQ(conditions.cutterOffset, -2147483647);
    StoreCutConditions({0, 0, 1.0, 1.0, 1, 0, 1e300, 0, 0, 1}, conditions);
    StoreCutConditions({0, 0, 1e300, -1e300, 1, 0, 1e300, 0, 0, 1}, conditions);
    EXPECT_EQ(conditions.cutLength, 40);
    EXPECT_EQ(conditions.halfCutLength, 40);
    EXPECT_EQ(conditions.cutterOffset, -2147483647);
}

TEST(HelpPagePath, PutsTheNameAfterTheModulesLastSeparator)
{
    std::string page;
    EXPECT_TRUE(HelpPagePath("C:\\Plug-ins\\markplug.pdp", "frame.html", page));
    EXPECT_EQ(page, "C:\\Plug-ins\\frame.html");
    EXPECT_TRUE(HelpPagePath("/opt/app/Plug-ins/markplug.pdp", "", page));
    EXPECT_EQ(page, "/opt/app/Plug-ins/");
    EXPECT_TRUE(HelpPagePath("markplug.pdp", "help\\frame.html", page));
    EXPECT_EQ(page, "help\\frame.html");
}

TEST(HelpPagePath, RefusesNamesThatLeaveTheFolderOrDoNotFit)
{
    const std::string module = "C:\\Plug-ins\\markplug.pdp";
    std::string page = "unchanged";
    for (const std::string& name :
         std::vector<std::string>{"..", "..\\x", "a/../b", "a\\..", "\\x", "/x", "C:x", "z:\\x", "\\\\server\\share",
                                  std::string("a\0b", 3), std::string(kHelpNameBytes, 'n')})
        EXPECT_FALSE(HelpPagePath(module, name, page)) << name;
    EXPECT_FALSE(HelpPagePath("", "frame.html", page));
    EXPECT_FALSE(HelpPagePath(std::string(kHelpPathBytes, 'm'), "frame.html", page));
    // The page path with its terminator must fit 520 bytes.
    const std::string folder = std::string(300, 'f') + "\\";
    EXPECT_FALSE(HelpPagePath(folder + "markplug.pdp", std::string(kHelpPathBytes - folder.size(), 'n'), page));
    EXPECT_TRUE(HelpPagePath(folder + "markplug.pdp", std::string(kHelpPathBytes - folder.size() - 1, 'n'), page));
    EXPECT_EQ(page.size(), kHelpPathBytes - 1);
    EXPECT_TRUE(HelpPagePath(module, "...", page));  // a name of three dots is no parent folder
}
