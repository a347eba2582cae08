// The panel link of markplug: the library binding, the listener and the events it handles.
#include <gtest/gtest.h>

#include <algorithm>

#include "CutDocuments.h"
#include "MarkplugHost.h"
#include "PanelTraffic.h"
#include "pendrake/PDSuites.h"

using testing_support::AddPath;
using testing_support::Answer;
using testing_support::kOperationClicked;
using testing_support::MarkplugHost;
using testing_support::OpenPage;
using testing_support::Payload;
using testing_support::Select;
using testing_support::TagValue;

namespace {

class PanelLink : public testing::TestWithParam<std::string> {};

std::string VariantFolder(const std::string& missing) { return std::string(MARKPLUG_TEST_LIBS_DIR) + "/no-" + missing; }

}  // namespace

TEST_P(PanelLink, ARepeatedSetupNotificationLeavesOneListenerSoEachEventIsHandledOnce)
{
    MarkplugHost h(GetParam());
    host::Art& path = AddPath(OpenPage(h), {{0, 0}, {10, 10}});
    Select(path);
    ASSERT_EQ(h.Host().Startup(h.Plugin()), kNoErr);
    EXPECT_EQ(h.Bus().ListenerCount(), 0u);  // not listening before the panel service is ready
    h.Host().PanelServiceReady();
    h.Host().PanelServiceReady();
    EXPECT_EQ(h.Bus().ListenerCount(kOperationClicked), 1u);
    EXPECT_EQ(h.Bus().ListenerCount(), 1u);

    EXPECT_EQ(Answer(h, Payload(8), "TalvexSendMachineTypeList").size(), 1u);
    // A toggle handled twice would take the tag off again.
    h.Click(Payload(5));
    EXPECT_EQ(TagValue(path, "TalvexCutMark"), "string 0001");
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
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

// A wrapper call that fails inside a panel event throws pd::Error up to the listener's firewall: the event ends
// there, nothing escapes to the panel service, every host object the event made is given back, and the next
// event is handled as usual.
TEST_P(PanelLink, AnEventWhoseContextCannotBeEnteredDoesNothing)
{
    MarkplugHost h(GetParam());
    host::Document& document = testing_support::OpenPage(h);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Host().GetFaults().FailCall("PushAppContext", kCantHappenErr, 1);
    h.Click("<payload><operation>6</operation></payload>");
    EXPECT_EQ(document.ArtCount(), 0u);
    EXPECT_EQ(h.Host().GetChecks().Violations(), std::vector<std::string>{});
    EXPECT_EQ(h.Host().Alerts(), std::vector<std::string>{});
    EXPECT_EQ(h.Host().RefusedContexts(), 1u);
    h.Click("<payload><operation>6</operation></payload>");
    EXPECT_GT(document.ArtCount(), 0u);
}

TEST_P(PanelLink, ANumberTheHostCannotReadChangesNoSettingAndIsReported)
{
    MarkplugHost h(GetParam());
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    const auto corner = [&h] {
        h.Bus().ClearEvents();
        h.Click("<payload><operation>11</operation></payload>");
        return h.Bus().Events().back().fData.value_or("(none)");
    };
    const std::string before = corner();
    // The third length: the first two must not be taken without it.
    h.Host().GetFaults().FailCall("StringToReal", kCantHappenErr, 1, 2);
    h.Click(
        "<payload><operation>10</operation><X>30</X><Y>40</Y><W>100</W><L>120</L><MachineType>8</MachineType>"
        "<CropCount>4</CropCount></payload>");
    EXPECT_EQ(corner(), before);
    EXPECT_EQ(h.Host().Alerts(),
              std::vector<std::string>{"The operation could not be carried out: the host reported the error 'CANT'."});
    EXPECT_EQ(h.Host().GetChecks().Violations(), std::vector<std::string>{});
}

TEST_P(PanelLink, AHostCallFailingInsideAnEventEndsOnlyThatEvent)
{
    MarkplugHost h(GetParam());
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    const std::string settings =
        "<payload><operation>10</operation><X>30</X><Y>40</Y><W>100</W><L>120</L><MachineType>8</MachineType>"
        "<CropCount>4</CropCount></payload>";
    const auto corner = [&h] {
        h.Bus().ClearEvents();
        h.Click("<payload><operation>11</operation></payload>");
        return h.Bus().Events().back().fData.value_or("(none)");
    };
    const std::string before = corner();

    h.Host().GetFaults().FailCall("Substring", kCantHappenErr, 1);  // reading the payload's operation
    EXPECT_NO_THROW(h.Click(settings));
    EXPECT_EQ(corner(), before);
    EXPECT_EQ(h.Host().LiveStrings(), 0u);
    EXPECT_EQ(h.Host().ContextDepth(), 0u);

    h.Host().GetFaults().FailCall("NewString", kOutOfMemoryErr, 1);  // the payload itself
    EXPECT_NO_THROW(h.Click(settings));
    EXPECT_EQ(corner(), before);
    EXPECT_EQ(h.Host().LiveStrings(), 0u);

    h.Click(settings);
    // X 30 mm, Y 40 mm, W 100 mm, L 120 mm; four marks (Windows) move the frame by a further 5 mm.
    EXPECT_EQ(corner(), GetParam() == "windows"
                            ? "<payload><CropCorner><LEFT>113.386</LEFT><TOP>481.89</TOP><RIGHT>396.85</RIGHT>"
                              "<BOTTOM>141.732</BOTTOM><X>-85.0394</X><Y>-113.386</Y></CropCorner></payload>"
                            : "<payload><CropCorner><LEFT>99.2126</LEFT><TOP>467.717</TOP><RIGHT>382.677</RIGHT>"
                              "<BOTTOM>127.559</BOTTOM><X>-85.0394</X><Y>-113.386</Y></CropCorner></payload>");
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
    EXPECT_EQ(h.Host().Shutdown(h.Plugin()), kNoErr);
    EXPECT_EQ(h.Leftovers(), "");
}
