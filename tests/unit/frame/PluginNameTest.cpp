#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FakeHost.h"
#include "FrameTestNames.h"
#include "RecordingPlugin.h"

TEST(FRAME_SUITE(FramePluginName), IsPluginByDefault)
{
    RecordingPlugin plugin(fake::PluginRef());
    char name[256];
    plugin.GetPluginName(name, sizeof name);
    EXPECT_STREQ(name, "Plugin");
}

TEST(FRAME_SUITE(FramePluginName), IsTruncatedToTheBufferAndTerminated)
{
    RecordingPlugin plugin(fake::PluginRef());
    char name[8];
    std::memset(name, '#', sizeof name);
    plugin.GetPluginName(name, 4);
    EXPECT_EQ(std::string(name, 5), std::string("Plu\0#", 5));
    plugin.GetPluginName(name, 1);
    EXPECT_EQ(name[0], '\0');
    EXPECT_EQ(name[1], 'l');
}

TEST(FRAME_SUITE(FramePluginName), AnEmptyOrNullBufferIsLeftAlone)
{
    RecordingPlugin plugin(fake::PluginRef());
    char name[2] = {'#', '#'};
    plugin.GetPluginName(name, 0);
    plugin.GetPluginName(nullptr, 16);
    EXPECT_EQ(name[0], '#');
}

TEST(FRAME_SUITE(FramePluginName), AnOverlongNameKeeps255CharactersAndItsTerminator)
{
    const std::string overlong(300, 'x');
    RecordingPlugin plugin(fake::PluginRef(), overlong.c_str());
    char name[1000];
    std::memset(name, '#', sizeof name);
    plugin.GetPluginName(name, sizeof name);
    EXPECT_EQ(std::string(name), std::string(255, 'x'));

    char exact[256];
    plugin.GetPluginName(exact, sizeof exact);
    EXPECT_EQ(std::string(exact), std::string(255, 'x'));
}

TEST(FRAME_SUITE(FramePluginName), ANullNameIsEmpty)
{
    RecordingPlugin plugin(fake::PluginRef(), nullptr);
    char name[4] = {'#', '#', '#', '#'};
    plugin.GetPluginName(name, sizeof name);
    EXPECT_STREQ(name, "");
}
