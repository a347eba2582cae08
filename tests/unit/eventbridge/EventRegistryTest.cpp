// The bookkeeping of the event registry, under a registry whose switches record their calls and can fail.
#include <gtest/gtest.h>

#include "EventRegistry.h"

namespace {

class RecordingRegistry : public EventRegistry {
public:
    bool RegisterEvent(std::string eventId, std::string extensionId) override
    {
        calls.push_back("on " + eventId + " " + extensionId);
        return registerSucceeds;
    }
    bool UnregisterEvent(std::string eventId, std::string extensionId) override
    {
        calls.push_back("off " + eventId + " " + extensionId);
        return unregisterSucceeds;
    }
    std::vector<std::string> calls;
    bool registerSucceeds = true;
    bool unregisterSucceeds = true;
};

using Ids = std::vector<std::string>;

}  // namespace

TEST(EventRegistry, SwitchesAnEventOnWithItsFirstSubscriptionAndOffWithItsLast)
{
    RecordingRegistry registry;
    registry.AddListener("e", "x");
    registry.AddListener("e", "x");
    registry.AddListener("e", "y");
    EXPECT_EQ(registry.calls, Ids{"on e x"});
    EXPECT_EQ(registry.GetSubscriptions().at("e").at("x"), 2);
    registry.RemoveListener("e", "x");
    registry.RemoveListener("e", "y");
    EXPECT_EQ(registry.calls, Ids{"on e x"});
    EXPECT_EQ(registry.ListEvents("x"), Ids{"e"});
    registry.RemoveListener("e", "x");
    EXPECT_EQ(registry.calls, (Ids{"on e x", "off e x"}));
    EXPECT_TRUE(registry.GetSubscriptions().empty());
}

TEST(EventRegistry, RemovingWhatWasNeverAddedDoesNothing)
{
    RecordingRegistry registry;
    registry.RemoveListener("e", "x");
    registry.AddListener("e", "x");
    registry.RemoveListener("e", "y");
    registry.RemoveListener("f", "x");
    EXPECT_EQ(registry.calls, Ids{"on e x"});
    EXPECT_EQ(registry.ListEvents("x"), Ids{"e"});
}

TEST(EventRegistry, ListsEventsInByteWiseOrderOnlyForTheExtension)
{
    RecordingRegistry registry;
    EXPECT_TRUE(registry.ListEvents("x").empty());
    for (const char* id : {"b", "a", "ab", "\xC3\xA9", "Z", ""}) registry.AddListener(id, "x");
    registry.AddListener("c", "y");
    // Bytes compare unsigned (0xC3 after 'b'), and a prefix comes before the longer id.
    EXPECT_EQ(registry.ListEvents("x"), (Ids{"", "Z", "a", "ab", "b", "\xC3\xA9"}));
    EXPECT_EQ(registry.ListEvents("y"), Ids{"c"});
    EXPECT_TRUE(registry.ListEvents("z").empty());
}

TEST(EventRegistry, ByteWiseOrderComparesBytesAsUnsigned)
{
    const ByteWiseLess less;
    EXPECT_TRUE(less("\x7F", "\x80"));
    EXPECT_FALSE(less("\x80", "\x7F"));
    EXPECT_TRUE(less("ab", "ab\x01"));
    EXPECT_FALSE(less("ab", "ab"));
    EXPECT_TRUE(less(std::string("a\0b", 3), std::string("a\0c", 3)));
}

TEST(EventRegistry, UnregisterAllSwitchesEveryEventOffInOrderAndForgetsThem)
{
    RecordingRegistry registry;
    registry.UnregisterAll();
    EXPECT_TRUE(registry.calls.empty());
    registry.AddListener("b", "x");
    registry.AddListener("a", "y");
    registry.calls.clear();
    registry.UnregisterAll();
    EXPECT_EQ(registry.calls, (Ids{"off a ", "off b "}));
    EXPECT_TRUE(registry.GetSubscriptions().empty());
    // Subscribing again switches the event on again.
    registry.AddListener("a", "y");
    EXPECT_EQ(registry.calls.back(), "on a y");
}

TEST(EventRegistry, AnEventThatCannotBeSwitchedOnIsNotRecorded)
{
    RecordingRegistry registry;
    registry.registerSucceeds = false;
    registry.AddListener("e", "x");
    EXPECT_TRUE(registry.ListEvents("x").empty());
    EXPECT_TRUE(registry.GetSubscriptions().empty());
    registry.registerSucceeds = true;
    registry.AddListener("e", "x");
    EXPECT_EQ(registry.calls, (Ids{"on e x", "on e x"}));
    EXPECT_EQ(registry.ListEvents("x"), Ids{"e"});
}

TEST(EventRegistry, AnEventThatCannotBeSwitchedOffStaysWithoutSubscribers)
{
    RecordingRegistry registry;
    registry.AddListener("e", "x");
    registry.unregisterSucceeds = false;
    registry.RemoveListener("e", "x");
    ASSERT_EQ(registry.GetSubscriptions().count("e"), 1u);
    EXPECT_TRUE(registry.GetSubscriptions().at("e").empty());
    EXPECT_TRUE(registry.ListEvents("x").empty());
    // The next subscription only counts, from 0 to 1.
    registry.AddListener("e", "y");
    EXPECT_EQ(registry.calls, (Ids{"on e x", "off e x"}));
    EXPECT_EQ(registry.GetSubscriptions().at("e").at("y"), 1);
    EXPECT_EQ(registry.ListEvents("y"), Ids{"e"});
}

TEST(EventRegistry, TheBaseClassSwitchesSucceedWithoutDoingAnything)
{
    struct Plain : EventRegistry {};
    Plain registry;
    registry.AddListener("e", "x");
    EXPECT_EQ(registry.ListEvents("x"), Ids{"e"});
    registry.RemoveListener("e", "x");
    EXPECT_TRUE(registry.GetSubscriptions().empty());
}
