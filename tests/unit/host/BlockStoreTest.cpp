#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/Host.h"
#include "pendrake/ZBErrors.h"

namespace {

struct Taken {
    void* block;
    std::size_t size;
    std::string name;
};

// Allocates count blocks of sizes and names of their own, from first on.
std::vector<Taken> Take(host::Host& host, int first, int count)
{
    std::vector<Taken> taken;
    for (int i = first; i < first + count; ++i) {
        Taken one{nullptr, static_cast<std::size_t>(8 * i + 1), "block number " + std::to_string(i) + " of the test"};
        EXPECT_EQ(host.AllocateBlock(one.size, one.name.c_str(), &one.block), kNoErr);
        taken.push_back(one);
    }
    return taken;
}

void ExpectRecorded(const host::Host& host, const std::vector<Taken>& taken)
{
    for (const Taken& one : taken) {
        const host::BlockInfo* info = host.FindBlock(one.block);
        ASSERT_NE(info, nullptr) << one.name;
        EXPECT_EQ(info->size, one.size);
        EXPECT_EQ(info->name, one.name);
    }
}

}  // namespace

TEST(BlockStore, BlocksTakenAfterOthersWereDisposedAreRecordedWithTheirOwnSizeAndName)
{
    host::Host host;
    // More than the entries the store keeps from disposed blocks, given back in turns.
    const std::vector<Taken> first = Take(host, 0, 40);
    ExpectRecorded(host, first);
    for (std::size_t i = 0; i < first.size(); i += 2) EXPECT_EQ(host.DisposeBlock(first[i].block, "test"), kNoErr);
    EXPECT_EQ(host.LiveBlocks(), 20u);
    const std::vector<Taken> second = Take(host, 100, 30);
    EXPECT_EQ(host.LiveBlocks(), 50u);
    ExpectRecorded(host, second);
    for (std::size_t i = 1; i < first.size(); i += 2) {
        ASSERT_NE(host.FindBlock(first[i].block), nullptr);
        EXPECT_EQ(host.FindBlock(first[i].block)->name, first[i].name);
    }
    for (const Taken& one : second) EXPECT_EQ(host.DisposeBlock(one.block, "test"), kNoErr);
    for (std::size_t i = 1; i < first.size(); i += 2) EXPECT_EQ(host.DisposeBlock(first[i].block, "test"), kNoErr);
    EXPECT_EQ(host.LiveBlocks(), 0u);
    EXPECT_EQ(host.GetChecks().Violations(), std::vector<std::string>{});
}

TEST(BlockStore, ABlockGivenBackIsNoLongerKnown)
{
    host::Host host;
    void* block = nullptr;
    ASSERT_EQ(host.AllocateBlock(16, nullptr, &block), kNoErr);
    ASSERT_NE(host.FindBlock(block), nullptr);
    EXPECT_EQ(host.FindBlock(block)->name, "");
    EXPECT_EQ(host.DisposeBlock(block, "DisposeBlock"), kNoErr);
    EXPECT_EQ(host.FindBlock(block), nullptr);
    EXPECT_EQ(host.DisposeBlock(block, "DisposeBlock"), kBadParameterErr);
    EXPECT_EQ(host.GetChecks().Violations(),
              std::vector<std::string>{"DisposeBlock of a block the host did not hand out"});
    // A block taken later with an entry kept from the first has the name it was given, or none.
    void* next = nullptr;
    ASSERT_EQ(host.AllocateBlock(4, "named", &next), kNoErr);
    EXPECT_EQ(host.FindBlock(next)->name, "named");
    EXPECT_EQ(host.FindBlock(next)->size, 4u);
    ASSERT_EQ(host.DisposeBlock(next, "DisposeBlock"), kNoErr);
    ASSERT_EQ(host.AllocateBlock(4, nullptr, &next), kNoErr);
    EXPECT_EQ(host.FindBlock(next)->name, "");
    EXPECT_EQ(host.LiveBlocks(), 1u);
}
