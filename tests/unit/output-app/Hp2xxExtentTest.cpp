#include <gtest/gtest.h>

#include <string>

#include "Hp2xxExtent.h"
#include "TempFolder.h"

namespace {

const std::string kHp2xx = HP2XX_PROGRAM;

const std::string kCropHeader =
    "\x1b"
    "E\x1b%-12345X@PJL RESET\n@PJL DO CROPMARK 200,200,6800,8400;\n@PJL ENTER LANGUAGE = VXCMD\n";
const std::string kCropTrailer = "\x1b%-12345X@PJL RESET\n@PJL ENTER LANGUAGE = RESET\n";

// A closed square of 4000 units (100 mm) from (1000, -500), after a pen-up move outside it.
const std::string kSquare =
    "IN;\r\nPA;\r\nPU-3000,9000;\r\nPU1000,-500;\r\nPD5000,-500;\r\nPD5000,3500;\r\nPD1000,3500;\r\n"
    "PD1000,-500;\r\nPU;\r\n!PG;\r\n";

TEST(Hp2xxExtent, RemovesThePjlLinesAndTheLeadingSemicolons)
{
    EXPECT_EQ(WithoutPjl(kCropHeader + kSquare + kCropTrailer), kSquare);
    EXPECT_EQ(WithoutPjl(std::string(64, ';') + kCropHeader + kSquare + kCropTrailer), kSquare);
    EXPECT_EQ(WithoutPjl(std::string(64, ';') + kSquare), kSquare);
}

TEST(Hp2xxExtent, Hp2xxSeesTheSquareInPlotterUnits)
{
    ASSERT_NE(kHp2xx, "HP2XX_PROGRAM-NOTFOUND") << "hp2xx is not installed; scripts/setup installs it";
    TempFolder folder;
    std::string error;
    const auto extent = Hp2xxExtent(kHp2xx, kCropHeader + kSquare + kCropTrailer, folder.Path(), error);
    ASSERT_TRUE(extent) << error;
    EXPECT_EQ(extent->fLeft, 1000);
    EXPECT_EQ(extent->fBottom, -500);
    EXPECT_EQ(extent->fRight, 5000);
    EXPECT_EQ(extent->fTop, 3500);

    // Nothing drawn: hp2xx gives no range to read.
    EXPECT_FALSE(Hp2xxExtent(kHp2xx, "IN;\r\nPA;\r\nPU10,10;\r\nPU;\r\n!PG;\r\n", folder.Path(), error));
    EXPECT_EQ(error.rfind("cannot read hp2xx's coordinate range: Coordinate range: (1e+10, 1e+10)", 0), 0u) << error;
}

}  // namespace
