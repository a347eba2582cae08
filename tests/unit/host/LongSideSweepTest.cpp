// The clipping runs' swap of x and y for inputs wider than high, and the results put back.
#include <gtest/gtest.h>

#include "LongSideSweep.h"

namespace {

using ClipperLib::Path;
using ClipperLib::Paths;

}  // namespace

TEST(LongSideSweep, AWideInputIsSweptAlongItsLengthAndItsResultsTurnAsBefore)
{
    const Paths wide{{{0, 0}, {100, 0}, {100, 10}, {0, 10}}};
    const host::LongSideSweep sweep(wide);
    EXPECT_TRUE(sweep.Swaps());
    Paths seen = wide;
    sweep.In(seen);
    EXPECT_EQ(seen, (Paths{{{0, 0}, {0, 100}, {10, 100}, {10, 0}}}));
    // The library answers with its outer counter-clockwise where it swept; put back, it still is.
    Paths result{{{0, 0}, {10, 0}, {10, 100}, {0, 100}}};
    sweep.Out(result);
    EXPECT_EQ(result, (Paths{{{100, 0}, {100, 10}, {0, 10}, {0, 0}}}));
    EXPECT_TRUE(ClipperLib::Orientation(result[0]));
}

TEST(LongSideSweep, ATallOrSquareOrEmptyInputStays)
{
    const Paths tall{{{0, 0}, {10, 0}, {10, 100}, {0, 100}}};
    const Paths square{{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};
    EXPECT_FALSE(host::LongSideSweep(tall).Swaps());
    EXPECT_FALSE(host::LongSideSweep(square).Swaps());
    EXPECT_FALSE(host::LongSideSweep(Paths{}).Swaps());
    Paths seen = tall;
    const host::LongSideSweep sweep(tall);
    sweep.In(seen);
    sweep.Out(seen);
    EXPECT_EQ(seen, tall);
}
