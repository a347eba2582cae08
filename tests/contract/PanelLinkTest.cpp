// The panel link of markplug: the library binding, the listener and the events it handles.
#include <gtest/gtest.h>

#include <algorithm>

#include "../support/MarkplugHost.h"
#include "pendrake/PDSuites.h"

using testing_support::kOperationClicked;
using testing_support::MarkplugHost;

namespace {

class PanelLink : public testing::TestWithParam<std::string> {};

std::string VariantFolder(const std::string& missing) { return std::string(MARKPLUG_TEST_LIBS_DIR) + "/no-" + missing; }

}  // namespace

TEST_P(PanelLink, SetupNotificationRegistersTheOneListenerEachTime)
{
    MarkplugHost h(GetParam());
    ASSERT_EQ(h.Host().Startup(h.Plugin()), kNoErr);
    EXPECT_EQ(h.Bus().ListenerCount(), 0u);  // not listening before the panel service is ready
    h.Host().PanelServiceReady();
    EXPECT_EQ(h.Bus().ListenerCount(kOperationClicked), 1u);
    EXPECT_EQ(h.Bus().ListenerCount(), 1u);
    h.Host().PanelServiceReady();
    EXPECT_EQ(h.Bus().ListenerCount(kOperationClicked), 2u);
}

TEST_P(PanelLink, PanelEventRunsWithTheHostContextPushed)
{
    MarkplugHost h(GetParam());
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Host().GetChecks().RecordCalls(true);
    h.Click("<payload><operation>5</operation></payload>");
    const auto& calls = h.Host().GetChecks().Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().operation, "PushAppContext");
    EXPECT_EQ(calls.back().operation, "PopAppContext");
    // The payload became a host string while the context was pushed.
    const auto newString =
        std::find_if(calls.begin(), calls.end(), [](const auto& c) { return c.operation == "NewString"; });
    ASSERT_NE(newString, calls.end());
    EXPECT_EQ(newString->plugin, "Plugin");
    EXPECT_EQ(h.Host().ContextDepth(), 0u);
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
}

TEST_P(PanelLink, ListenerIgnoresEventsWithoutData)
{
    MarkplugHost h(GetParam());
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Bus().InjectEvent(kOperationClicked, std::nullopt);
    h.Bus().InjectEvent(kOperationClicked, "");
    EXPECT_EQ(h.Host().LiveStrings(), 0u);
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
}

TEST_P(PanelLink, MissingLibraryLeavesThePluginStartedButDeaf)
{
    MarkplugHost h(GetParam(), testing::TempDir());
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    EXPECT_EQ(h.Bus().ListenerCount(), 0u);
    h.Host().GetChecks().RecordCalls(true);
    h.Click("<payload><operation>8</operation></payload>");
    EXPECT_TRUE(h.Host().GetChecks().Calls().empty());
    EXPECT_EQ(h.Host().Shutdown(h.Plugin()), kNoErr);
    EXPECT_EQ(h.Leftovers(), "");
}

TEST_P(PanelLink, LibraryWithoutDispatchStillListens)
{
    MarkplugHost h(GetParam(), VariantFolder("WireletDispatchEvent"));
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    EXPECT_EQ(h.Bus().ListenerCount(kOperationClicked), 1u);
    h.Host().GetChecks().RecordCalls(true);
    h.Click("<payload><operation>8</operation></payload>");
    EXPECT_FALSE(h.Host().GetChecks().Calls().empty());
    ASSERT_EQ(h.Bus().Events().size(), 1u);  // the injected event only: nothing is sent back
}

TEST_P(PanelLink, LibraryWithoutListenerRegistrationNeverHearsThePanel)
{
    MarkplugHost h(GetParam(), VariantFolder("WireletAddEventListener"));
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    EXPECT_EQ(h.Bus().ListenerCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Editions, PanelLink, testing::Values("windows", "macos"));
