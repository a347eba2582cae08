#include <gtest/gtest.h>

#include <vector>

#include "ExpectedPipl.h"
#include "FrameTestNames.h"
#include "pendrake/PiplResource.h"

namespace {

template <std::size_t N>
std::vector<unsigned char> Bytes(const std::array<unsigned char, N>& array)
{
    return std::vector<unsigned char>(array.begin(), array.end());
}

}  // namespace

TEST(FRAME_SUITE(FramePiplResource), BuildsThePropertyListOfTheNamedPlugin)
{
    EXPECT_EQ(Bytes(pipl::MakePipl<"TalvexPluginDialog">()), kExpectedPipl);
}

TEST(FRAME_SUITE(FramePiplResource), PadsANameOfFourCharactersWithAWholeWordOfZeros)
{
    const std::vector<unsigned char> bytes = Bytes(pipl::MakePipl<"abcd">());
    ASSERT_EQ(bytes.size(), 10u + 20u + 20u + 28u + 16u + 8u);
    const std::vector<unsigned char> nameProperty(bytes.end() - 24, bytes.end());
    EXPECT_EQ(nameProperty, (std::vector<unsigned char>{'T', 'S', 'L', 'V', 'm', 'n', 'i', 'p', 0, 0, 0, 0,
                                                        8,   0,   0,   0,   'a', 'b', 'c', 'd', 0, 0, 0, 0}));
}
