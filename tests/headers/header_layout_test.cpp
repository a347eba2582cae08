#include <gtest/gtest.h>

#include <cstddef>

#include "pendrake/PDSuites.h"
#include "pendrake/PanelEvent.h"

TEST(HeaderLayout, FourCharacterCodesPutTheFirstCharacterInTheHighByte)
{
    EXPECT_EQ(kCantHappenErr, 0x43414E54);
    EXPECT_EQ(kOutOfMemoryErr, 0x214D454D);
    EXPECT_EQ(kUnhandledMsgErr, 0x214D5347);
    EXPECT_EQ(kPurgeFailedErr, 0x70466C73);
}

TEST(HeaderLayout, EventRecordKeepsScopeEightByteAligned)
{
    EXPECT_EQ(offsetof(trml::event::Event, type), 0u);
    EXPECT_EQ(offsetof(trml::event::Event, scope), 8u);
    EXPECT_EQ(offsetof(trml::event::Event, sender), 16u);
    EXPECT_EQ(offsetof(trml::event::Event, extension), 24u);
    EXPECT_EQ(offsetof(trml::event::Event, data), 32u);
}

TEST(HeaderLayout, MessageHeaderHoldsPluginGlobalsAndBasicSuite)
{
    EXPECT_EQ(offsetof(ZBMessageData, self), 0u);
    EXPECT_EQ(offsetof(ZBMessageData, globals), sizeof(void*));
    EXPECT_EQ(offsetof(ZBMessageData, basic), 2 * sizeof(void*));
    EXPECT_EQ(offsetof(PDNotifierMessage, notifier), sizeof(ZBMessageData));
}
