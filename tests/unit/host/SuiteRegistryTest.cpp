#include <gtest/gtest.h>

#include "host/SuiteRegistry.h"
#include "pendrake/ZBErrors.h"

namespace {

const int kSuiteA = 1;
const int kSuiteB = 2;

}  // namespace

TEST(SuiteRegistry, UnknownNameOrVersionGivesNoPointer)
{
    host::SuiteRegistry registry;
    registry.Offer("A", 3, &kSuiteA);
    const void* suite = &kSuiteB;
    EXPECT_EQ(registry.Acquire("A", 4, &suite, nullptr), kSuiteNotFoundErr);
    EXPECT_EQ(suite, nullptr);
    EXPECT_EQ(registry.Acquire("B", 3, &suite, nullptr), kSuiteNotFoundErr);
    EXPECT_EQ(registry.Acquire(nullptr, 3, &suite, nullptr), kBadParameterErr);
    EXPECT_EQ(registry.Acquire("A", 3, nullptr, nullptr), kBadParameterErr);
}

TEST(SuiteRegistry, AcquisitionsAreCountedPerPluginAndReleasedOneByOne)
{
    host::SuiteRegistry registry;
    registry.Offer("A", 3, &kSuiteA);
    ZBPlugin* one = reinterpret_cast<ZBPlugin*>(0x10);
    const void* first = nullptr;
    const void* second = nullptr;
    ASSERT_EQ(registry.Acquire("A", 3, &first, one), kNoErr);
    ASSERT_EQ(registry.Acquire("A", 3, &second, one), kNoErr);
    EXPECT_EQ(first, &kSuiteA);
    EXPECT_EQ(first, second);
    EXPECT_EQ(registry.HeldCount(one), 2);
    EXPECT_EQ(registry.Release("A", 3, nullptr), kSuiteNotFoundErr);  // held by another
    EXPECT_EQ(registry.Release("A", 3, one), kNoErr);
    EXPECT_EQ(registry.Release("A", 3, one), kNoErr);
    EXPECT_EQ(registry.Release("A", 3, one), kSuiteNotFoundErr);
    EXPECT_EQ(registry.HeldCount(), 0);
}

TEST(SuiteRegistry, WithheldSuitesAndOtherVersionsOnly)
{
    host::SuiteRegistry registry;
    registry.Offer("A", 3, &kSuiteA);
    registry.Offer("A", 4, &kSuiteB);
    const void* suite = nullptr;
    registry.Withhold("A");
    EXPECT_EQ(registry.Acquire("A", 3, &suite, nullptr), kSuiteNotFoundErr);
    registry.Restore();
    registry.OfferOnly("A", 4);
    EXPECT_EQ(registry.Acquire("A", 3, &suite, nullptr), kSuiteNotFoundErr);
    EXPECT_EQ(registry.Acquire("A", 4, &suite, nullptr), kNoErr);
    EXPECT_EQ(suite, &kSuiteB);
}
