#include "CutExtent.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "CutFileReader.h"

namespace {

using talvex::CutPath;

CutPath Curve(talvex::CutPoint from, talvex::CutPoint first, talvex::CutPoint second, talvex::CutPoint to)
{
    CutPath path;
    path.fStart = from;
    path.fCurves.push_back({first, second, to});
    return path;
}

TEST(CutExtent, ACurveReachesPastItsEndsButNotToItsHandles)
{
    const auto extent = corpus::PathsExtent({Curve({0, 0}, {0, 1}, {1, 1}, {1, 0})});
    ASSERT_TRUE(extent);
    EXPECT_EQ(extent->fLeft, 0);
    EXPECT_EQ(extent->fBottom, 0);
    EXPECT_EQ(extent->fRight, 1);
    EXPECT_EQ(extent->fTop, 0.75);  // the top at t = 1/2, below the handles at 1
}

TEST(CutExtent, BothTurningPointsOfAnSCurveCount)
{
    const auto extent = corpus::PathsExtent({Curve({0, 0}, {1, 0}, {-1, 0}, {0, 0})});
    ASSERT_TRUE(extent);
    EXPECT_NEAR(extent->fLeft, -std::sqrt(3.0) / 6, 1e-15);
    EXPECT_NEAR(extent->fRight, std::sqrt(3.0) / 6, 1e-15);
    EXPECT_EQ(extent->fBottom, 0);
    EXPECT_EQ(extent->fTop, 0);
}

TEST(CutExtent, StraightSegmentsAndLoneAnchorsCountByTheirPoints)
{
    CutPath lone;
    lone.fStart = talvex::CutPoint{-5, 7};
    CutPath empty;  // no anchor: nothing to measure
    const auto extent = corpus::PathsExtent({Curve({1, 2}, {1, 2}, {3, 4}, {3, 4}), lone, empty});
    ASSERT_TRUE(extent);
    EXPECT_EQ(extent->fLeft, -5);
    EXPECT_EQ(extent->fBottom, 2);
    EXPECT_EQ(extent->fRight, 3);
    EXPECT_EQ(extent->fTop, 7);
    EXPECT_FALSE(corpus::PathsExtent({empty}));
    EXPECT_FALSE(corpus::PathsExtent({}));
}

TEST(CutExtent, OnlyPathsWithAnAreaWhenAsked)
{
    CutPath point;
    point.fStart = talvex::CutPoint{-5, 7};
    const CutPath level = Curve({0, 9}, {0, 9}, {20, 9}, {20, 9});  // a straight line along the x axis
    const CutPath square = Curve({1, 1}, {1, 3}, {3, 3}, {3, 1});
    const auto all = corpus::PathsExtent({point, level, square});
    ASSERT_TRUE(all);
    EXPECT_EQ(all->fLeft, -5);
    EXPECT_EQ(all->fRight, 20);
    EXPECT_EQ(all->fTop, 9);
    const auto withArea = corpus::PathsExtent({point, level, square}, corpus::PathKind::kWithArea);
    ASSERT_TRUE(withArea);
    EXPECT_EQ(withArea->fLeft, 1);
    EXPECT_EQ(withArea->fBottom, 1);
    EXPECT_EQ(withArea->fRight, 3);
    EXPECT_EQ(withArea->fTop, 2.5);
    EXPECT_FALSE(corpus::PathsExtent({point, level}, corpus::PathKind::kWithArea));
}

TEST(CutExtent, FourMarksMoveThePageOffsetByTheRadius)
{
    talvex::CropMarkValues marks;
    marks.fRadius = 14.173228;
    marks.fLeftMargin = 28.346457;
    marks.fBottomMargin = 56.692913;
    marks.fCount = 4;
    const talvex::CutPoint four = corpus::PageOffset(marks);
    EXPECT_EQ(four.fX, 28.346457 + 14.173228);
    EXPECT_EQ(four.fY, 56.692913 + 14.173228);
    marks.fCount = 3;
    const talvex::CutPoint three = corpus::PageOffset(marks);
    EXPECT_EQ(three.fX, 28.346457);
    EXPECT_EQ(three.fY, 56.692913);
    const talvex::CutPoint none = corpus::PageOffset(std::nullopt);
    EXPECT_EQ(none.fX, 0);
    EXPECT_EQ(none.fY, 0);
}

TEST(CutExtent, AFileAsTheOutputRunWritesIt)
{
    const std::string file =
        "%!PS-Adobe-3.0\r\n"
        "%%VarrowCropMark: 14.173228 14.173228 481.889764 566.929134 28.346457 56.692913 4\r\n"
        "%%EndComments\r\n%%BeginProlog\r\n%%EndProlog\r\n%%BeginSetup\r\n%%EndSetup\r\n%PD5_BeginLayer\r\n"
        "u\r\n"
        "10.000000 20.000000 m\r\n"
        "10.000000 20.000000 30.000000 20.000000 30.000000 20.000000 c\r\n"
        "30.000000 20.000000 10.000000 20.000000 10.000000 20.000000 c\r\n"
        "S\r\n"
        "U\r\n"
        "%PD5_EndLayer--\r\n%%PageTrailer\r\n%%Trailer\r\n%%EOF\r\n";
    const talvex::CutData data = talvex::ReadCutFile(file);
    ASSERT_TRUE(data.fProblems.empty());
    const auto extent = corpus::PathsExtent(data.fPaths);
    ASSERT_TRUE(extent);
    const talvex::CutPoint offset = corpus::PageOffset(data.fCropMarks);
    EXPECT_EQ(extent->fLeft + offset.fX, 10 + 28.346457 + 14.173228);
    EXPECT_EQ(extent->fTop + offset.fY, 20 + 56.692913 + 14.173228);
}

}  // namespace
