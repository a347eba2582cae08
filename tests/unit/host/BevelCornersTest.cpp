// Bevels cut into a path before the clipping library offsets it: which corners are cut, and how far back.
#include <gtest/gtest.h>

#include "BevelCorners.h"

namespace {

using ClipperLib::Path;

const Path kSquare{{0, 0}, {10000, 0}, {10000, 10000}, {0, 10000}};
// Counter-clockwise, with one right turn at (5000, 5000).
const Path kEll{{0, 0}, {10000, 0}, {10000, 5000}, {5000, 5000}, {5000, 10000}, {0, 10000}};

}  // namespace

TEST(BevelCorners, ABevelJoinCutsEveryCornerBackByTheDistanceTimesATanOfAQuarterTurn)
{
    // tan(22.5 degrees) * 1000 = 414.2
    const Path cut{{0, 414}, {414, 0}, {9586, 0}, {10000, 414}, {10000, 9586}, {9586, 10000}, {414, 10000}, {0, 9586}};
    EXPECT_EQ(host::BevelCorners(kSquare, true, 1000, {true, 4, 0, 10}), cut);
}

TEST(BevelCorners, AMiterJoinCutsOnlyCornersWhoseMiterExceedsTheLimit)
{
    // A right angle's miter is sqrt(2) times the width.
    EXPECT_EQ(host::BevelCorners(kSquare, true, 1000, {false, 1.415, 0, 10}), kSquare);
    EXPECT_EQ(host::BevelCorners(kSquare, true, 1000, {false, 1.414, 0, 10}).size(), 8u);
}

TEST(BevelCorners, AnAreaOffsetCutsOnlyTheTurnsOnItsSide)
{
    const Path grown{{0, 414},     {414, 0},     {9586, 0},     {10000, 414}, {10000, 4586}, {9586, 5000},
                     {5000, 5000}, {5000, 9586}, {4586, 10000}, {414, 10000}, {0, 9586}};
    EXPECT_EQ(host::BevelCorners(kEll, true, 1000, {true, 4, 1, 10}), grown);
    const Path shrunk{{0, 0}, {10000, 0}, {10000, 5000}, {5414, 5000}, {5000, 5414}, {5000, 10000}, {0, 10000}};
    EXPECT_EQ(host::BevelCorners(kEll, true, 1000, {true, 4, -1, 10}), shrunk);
}

TEST(BevelCorners, ACutTakesAtMostHalfOfEitherEdge)
{
    const Path small{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}};
    const Path cut{{0, 500}, {500, 0}, {500, 0}, {1000, 500}, {1000, 500}, {500, 1000}, {500, 1000}, {0, 500}};
    EXPECT_EQ(host::BevelCorners(small, true, 10000, {true, 4, 0, 10}), cut);
}

TEST(BevelCorners, TheEndsOfAnOpenPathStay)
{
    const Path open{{0, 0}, {10000, 0}, {10000, 10000}};
    const Path cut{{0, 0}, {9586, 0}, {10000, 414}, {10000, 10000}};
    EXPECT_EQ(host::BevelCorners(open, false, 1000, {true, 4, 0, 10}), cut);
}

TEST(BevelCorners, TurnsTooSmallToTellABevelFromAMiterStay)
{
    // A turn of 0.1 rad: the miter's tip lies 2.5 units beyond the bevel's chord.
    const Path gentle{{0, 0}, {10000, 0}, {20000, 1003}};
    EXPECT_EQ(host::BevelCorners(gentle, false, 1000, {true, 4, 0, 10}), gentle);
    EXPECT_EQ(host::BevelCorners(gentle, false, 1000, {true, 4, 0, 2}).size(), 4u);
}

TEST(BevelCorners, SmoothPointsJoinRoundWhereAMiterWouldStandOutOfTheArc)
{
    const Path gentle{{0, 0}, {10000, 0}, {20000, 1003}};
    // A miter would stand 12.5 units out of the arc of radius 10000: cut as one chord of it.
    const Path chord{{0, 0}, {9750, 0}, {10249, 25}, {20000, 1003}};
    EXPECT_EQ(host::BevelCorners(gentle, false, 10000, {false, 4, 0, 10}, {false, true, false}), chord);
    // At a distance of 5000 it stands 6.2 units out: within the tolerance.
    EXPECT_EQ(host::BevelCorners(gentle, false, 5000, {false, 4, 0, 10}, {false, true, false}), gentle);
}
