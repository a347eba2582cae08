// Progress of long steps: one line rewritten in place on a terminal, nothing at all elsewhere.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "TerminalProgress.h"

using pendrake::TerminalProgress;

TEST(TerminalProgress, OneLineRewrittenInPlaceEachPercentOnceThenEnded)
{
    std::ostringstream out;
    {
        TerminalProgress progress(out, true);
        progress.Begin("reading art.svg");
        progress.Update(0, 1000);
        progress.Update(5, 1000);  // still 0%
        progress.Update(420, 1000);
        progress.Update(2000, 1000);
        progress.End();
    }
    EXPECT_TRUE(
        std::regex_match(out.str(), std::regex("pendrake: reading art\\.svg\\.\\.\\.\rpendrake: reading art\\.svg 0%"
                                               "\rpendrake: reading art\\.svg 42%\rpendrake: reading art\\.svg "
                                               "100%\rpendrake: reading art\\.svg: [0-9]+\\.[0-9]{2} s    \n")))
        << out.str();
}

TEST(TerminalProgress, NothingWhenNotShownAndAnUnendedStepStillEndsItsLine)
{
    std::ostringstream hidden;
    {
        TerminalProgress progress(hidden, false);
        progress.Begin("output run");
        progress.Update(1, 2);
        progress.End();
    }
    EXPECT_EQ(hidden.str(), "");

    std::ostringstream failed;
    {
        TerminalProgress progress(failed, true);
        progress.Begin("output run");
    }  // a failure thrown past it: the message that follows starts on a line of its own
    EXPECT_EQ(failed.str(), "pendrake: output run...\n");
}
