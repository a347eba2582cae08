#include <gtest/gtest.h>

#include <ctime>
#include <limits>
#include <vector>

#include "FakeHost.h"
#include "FrameTestNames.h"
#include "RecordingPlugin.h"

namespace {

std::time_t gNow = 0;
std::vector<ZBErr> gShown;
ZBPlugin* gShownFor = nullptr;

std::time_t TestClock() { return gNow; }
void RecordShown(ZBPlugin* pluginRef, ZBErr code)
{
    gShown.push_back(code);
    gShownFor = pluginRef;
}

const ZBErr kQuietCodes[] = {
    PD_FOURCC('F', 'M', 'T', '?'),
    PD_FOURCC('R', 'F', 'S', 'E'),
    PD_FOURCC('A', 'F', 'T', 'R'),
    PD_FOURCC('V', 'A', 'L', 'D'),
    PD_FOURCC('M', 'O', 'O', 'T'),
    PD_FOURCC('T', 'R', 'S', 'H'),
    PD_FOURCC('C', 'H', 'E', 'K'),
    PD_FOURCC('C', 'H', 'I', 'T'),
    PD_FOURCC('T', 'L', 'T', 'K'),
    PD_FOURCC('p', 'F', 'l', 's'),
    PD_FOURCC('S', '!', 'F', 'd'),
    PD_FOURCC('!', 'A', 'c', 'q'),
    PD_FOURCC('d', 's', 'R', 'P'),
    PD_FOURCC('s', 'k', 'p', 'E'),
    PD_FOURCC('D', 'O', 'N', 'E'),
    PD_FOURCC('S', 'T', 'O', 'P'),
    361,
};

constexpr ZBErr kCant = PD_FOURCC('C', 'A', 'N', 'T');
constexpr ZBErr kOther = PD_FOURCC('N', 'O', 'P', 'E');

class FRAME_SUITE(FramePluginErrors) : public ::testing::Test {
protected:
    void SetUp() override
    {
        gNow = 1000;
        gShown.clear();
        Plugin::SetClock(TestClock);
        Plugin::SetErrorShownHook(RecordShown);
    }
    void TearDown() override
    {
        Plugin::SetClock(nullptr);
        Plugin::SetErrorShownHook(nullptr);
    }

    void ReportAt(std::time_t now, ZBErr code)
    {
        gNow = now;
        fPlugin.ReportError(code, "PD Menu", "PD Go", nullptr);
    }

    RecordingPlugin fPlugin{fake::PluginRef()};
};

}  // namespace

TEST_F(FRAME_SUITE(FramePluginErrors), TheSeventeenQuietCodesAreNeverShown)
{
    for (const ZBErr code : kQuietCodes) {
        EXPECT_TRUE(Plugin::FilterError(code)) << code;
        ReportAt(gNow + 10, code);
        Plugin::DefaultError(fake::PluginRef(), code);
    }
    EXPECT_TRUE(gShown.empty());
}

TEST_F(FRAME_SUITE(FramePluginErrors), OtherCodesAndZeroAreNotQuiet)
{
    EXPECT_FALSE(Plugin::FilterError(kCant));
    EXPECT_FALSE(Plugin::FilterError(kOutOfMemoryErr));
    EXPECT_FALSE(Plugin::FilterError(kUnhandledMsgErr));
    EXPECT_FALSE(Plugin::FilterError(360));
    EXPECT_FALSE(Plugin::FilterError(0));
}

TEST_F(FRAME_SUITE(FramePluginErrors), TheSameCodeWithinFiveSecondsIsShownOnce)
{
    ReportAt(1000, kCant);
    ReportAt(1000, kCant);
    ReportAt(1004, kCant);
    EXPECT_EQ(gShown, std::vector<ZBErr>{kCant});
}

TEST_F(FRAME_SUITE(FramePluginErrors), TheSameCodeFiveSecondsLaterIsShownAgain)
{
    ReportAt(1000, kCant);
    ReportAt(1005, kCant);
    ReportAt(1009, kCant);
    ReportAt(1011, kCant);
    EXPECT_EQ(gShown, (std::vector<ZBErr>{kCant, kCant, kCant}));
}

TEST_F(FRAME_SUITE(FramePluginErrors), ADifferentCodeIsShownAtOnceAndRestartsTheWindow)
{
    ReportAt(1000, kCant);
    ReportAt(1001, kOther);
    ReportAt(1002, kCant);
    ReportAt(1003, kCant);
    EXPECT_EQ(gShown, (std::vector<ZBErr>{kCant, kOther, kCant}));
}

TEST_F(FRAME_SUITE(FramePluginErrors), AQuietCodeDoesNotInterruptTheRepeatWindow)
{
    ReportAt(1000, kCant);
    ReportAt(1001, kStopErr);
    ReportAt(1002, kCant);
    EXPECT_EQ(gShown, std::vector<ZBErr>{kCant});
}

TEST_F(FRAME_SUITE(FramePluginErrors), AClockAtTheEndOfTimeDoesNotOverflow)
{
    const std::time_t last = std::numeric_limits<std::time_t>::max() - 2;
    ReportAt(last, kCant);
    ReportAt(std::numeric_limits<std::time_t>::max(), kCant);
    EXPECT_EQ(gShown, std::vector<ZBErr>{kCant});
}

TEST_F(FRAME_SUITE(FramePluginErrors), ShownCodesNameThePlugin)
{
    Plugin::DefaultError(fake::PluginRef(), kCant);
    EXPECT_EQ(gShownFor, fake::PluginRef());
    ReportAt(1000, kOther);
    EXPECT_EQ(gShownFor, fake::PluginRef());
    EXPECT_EQ(gShown, (std::vector<ZBErr>{kCant, kOther}));
}
