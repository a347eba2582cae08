// eventbridge's entry point, start-up and shut-down, through the loaded module.
#include <gtest/gtest.h>

#include <filesystem>

#include "EventbridgeHost.h"
#include "pendrake/PDSuites.h"

using testing_support::AdapterType;
using testing_support::EventbridgeHost;

namespace {

const std::string kSelection = kPDArtSelectionChangedNotifier;
const char* const kRequestSuffixes[] = {"AddEventListener", "RemoveEventListener", "PingRequestEvent",
                                        "ListEventsRequestEvent"};

std::string VariantFolder(const std::string& missing) { return std::string(MARKPLUG_TEST_LIBS_DIR) + "/no-" + missing; }

std::size_t RequestListeners(EventbridgeHost& h, const char* suffix)
{
    return h.Bus().ListenerCount(AdapterType(suffix));
}

}  // namespace

TEST(EventbridgeLifecycle, StartsUnderItsOwnNameLockedWithTheSetupNotifierAndNoOtherSuite)
{
    EventbridgeHost h;
    ASSERT_NE(h.Plugin(), nullptr);
    EXPECT_EQ(h.Plugin()->properties.name, "eventbridge");
    EXPECT_EQ(h.Host().Startup(h.Plugin()), kNoErr);
    EXPECT_EQ(h.Plugin()->lockCount, 1);
    ASSERT_EQ(h.Host().Notifiers().size(), 1u);
    EXPECT_EQ(h.Host().Notifiers()[0]->name, "com.pendrake.eventbridge");
    EXPECT_EQ(h.Host().Notifiers()[0]->type, "PD TRML Wirelet Setup Complete");
    EXPECT_TRUE(h.Host().Notifiers()[0]->active);
    // Only the notifier suite is kept; the path suites went back after the library was bound.
    EXPECT_EQ(h.Leftovers(), "suite PD Notifier Suite 3; ");
    EXPECT_EQ(h.Bus().ListenerCount(), 0u);  // not listening before the panel service is ready
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
}

TEST(EventbridgeLifecycle, SetupNotificationsRegisterTheFourRequestListenersOnceAndAreNeverForwarded)
{
    EventbridgeHost h;
    ASSERT_EQ(h.Host().Startup(h.Plugin()), kNoErr);
    h.Host().PanelServiceReady();
    h.Host().PanelServiceReady();
    for (const char* suffix : kRequestSuffixes) EXPECT_EQ(RequestListeners(h, suffix), 1u) << suffix;
    EXPECT_EQ(h.Bus().ListenerCount(), 4u);
    EXPECT_TRUE(h.TakeAnswers().empty());

    h.Request("com.example.a", "PingRequestEvent");
    const std::vector<wirelet::EventRecord> pong{
        {AdapterType("PingResponseEvent"), 0, "PNDK", std::nullopt, "", false}};
    EXPECT_EQ(h.TakeAnswers(), pong);
}

TEST(EventbridgeLifecycle, ShutDownSwitchesSubscriptionsOffAndNothingIsForwardedAfterwards)
{
    EventbridgeHost h;
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Request("com.example.a", "AddEventListener", kSelection);
    h.Request("com.example.b", "AddEventListener", "Custom Event");
    ASSERT_EQ(h.SubscriptionNotifiers(), (std::vector<std::string>{kSelection + "=active", "Custom Event=active"}));

    EXPECT_EQ(h.Host().Shutdown(h.Plugin()), kNoErr);
    EXPECT_EQ(h.SubscriptionNotifiers(), (std::vector<std::string>{kSelection + "=inactive", "Custom Event=inactive"}));
    // The setup notifier is left as it is.
    EXPECT_TRUE(h.Host().Notifiers()[0]->active);
    EXPECT_EQ(h.Leftovers(), "");
    h.Bus().ClearEvents();
    EXPECT_EQ(h.Host().Notify(kSelection), 0);
    EXPECT_EQ(h.Host().Notify("Custom Event"), 0);
    EXPECT_TRUE(h.TakeAnswers().empty());
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
}

TEST(EventbridgeLifecycle, ShutDownBeforeAnySubscriptionSwitchesNothing)
{
    EventbridgeHost h;
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Host().GetChecks().RecordCalls(true);
    EXPECT_EQ(h.Host().Shutdown(h.Plugin()), kNoErr);
    for (const auto& call : h.Host().GetChecks().Calls()) EXPECT_NE(call.operation, "SetNotifierActive");
    EXPECT_EQ(h.Leftovers(), "");
}

TEST(EventbridgeLifecycle, WithoutThePanelLibraryStartUpSucceedsAndNothingIsEverDispatched)
{
    const auto empty = std::filesystem::temp_directory_path() / "eventbridge-no-panel-library";
    std::filesystem::create_directories(empty);
    EventbridgeHost h(empty.string());
    EXPECT_EQ(h.StartAndConnect(), kNoErr);
    EXPECT_EQ(h.Bus().ListenerCount(), 0u);
    EXPECT_EQ(h.Leftovers(), "suite PD Notifier Suite 3; ");
    // A notification from a notifier other than the setup one is forwarded, here into an unbound library.
    PDNotifierMessage message{};
    message.notifier = nullptr;
    message.type = "Anything";
    EXPECT_EQ(h.Host().Send(h.Plugin(), kPDNotifierCaller, kPDNotifySelector, &message), kNoErr);
    EXPECT_TRUE(h.Bus().Events().empty());
}

TEST(EventbridgeLifecycle, LibraryWithoutDispatchListensButSendsNothing)
{
    EventbridgeHost h(VariantFolder("WireletDispatchEvent"));
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    for (const char* suffix : kRequestSuffixes) EXPECT_EQ(RequestListeners(h, suffix), 1u) << suffix;
    h.Request("com.example.a", "AddEventListener", kSelection);
    h.Request("com.example.a", "PingRequestEvent");
    h.Request("com.example.a", "ListEventsRequestEvent");
    h.Host().Notify(kSelection);
    EXPECT_TRUE(h.TakeAnswers().empty());
    // The subscription itself worked.
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=active"});
}

TEST(EventbridgeLifecycle, LibraryWithoutAddListenerNeverHearsThePanels)
{
    EventbridgeHost h(VariantFolder("WireletAddEventListener"));
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    EXPECT_EQ(h.Bus().ListenerCount(), 0u);
}

TEST(EventbridgeLifecycle, StartUpFailuresAreReturnedAndLeaveNoSuiteHeld)
{
    {
        EventbridgeHost h;
        h.Host().Suites().OfferOnly(kPDNotifierSuite, kPDNotifierSuiteVersion4);
        EXPECT_EQ(h.Host().Startup(h.Plugin()), kSuiteNotFoundErr);
        EXPECT_TRUE(h.Host().Notifiers().empty());
        EXPECT_EQ(h.Leftovers(), "");
    }
    {
        EventbridgeHost h;
        h.Host().GetFaults().FailCall("AcquirePlugin", kBadParameterErr, 1);
        EXPECT_EQ(h.Host().Startup(h.Plugin()), kBadParameterErr);
        EXPECT_TRUE(h.Host().Notifiers().empty());  // the setup notifier is not added after a failed lock
        EXPECT_EQ(h.Host().Suites().HeldCount(kZBAccessSuite, kZBAccessSuiteVersion3), 0);
    }
    {
        EventbridgeHost h;
        h.Host().GetFaults().FailCall("AddNotifier", kOutOfMemoryErr, 1);
        EXPECT_EQ(h.Host().Startup(h.Plugin()), kOutOfMemoryErr);
        EXPECT_EQ(h.Plugin()->lockCount, 1);
    }
}

TEST(EventbridgeLifecycle, MessagesItDoesNotKnowAreAnsweredZeroAndBadOnesNeverCrash)
{
    EventbridgeHost h;
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    ZBInterfaceMessage message{};
    EXPECT_EQ(h.Host().Send(h.Plugin(), "ZB Interface", "About", &message), kNoErr);
    EXPECT_EQ(h.Host().Send(h.Plugin(), "Some Caller", "Some Selector", &message), kNoErr);
    EXPECT_EQ(h.Host().Send(h.Plugin(), nullptr, nullptr, &message), kNoErr);
    EXPECT_EQ(h.Host().SendRaw(h.Plugin(), "ZB Interface", "Startup", nullptr), kBadParameterErr);
    ZBInterfaceMessage noBasic{};
    EXPECT_EQ(h.Host().SendRaw(h.Plugin(), "ZB Interface", "Startup", &noBasic), kBadParameterErr);
    PDNotifierMessage noType{};
    EXPECT_EQ(h.Host().Send(h.Plugin(), kPDNotifierCaller, kPDNotifySelector, &noType), kNoErr);
    EXPECT_TRUE(h.TakeAnswers().empty());
}

// A host that keeps the panel listeners of a shut-down plug-in: the adapter's listeners still answer, but no
// subscription reaches the notifier suite it gave back.
TEST(EventbridgeLifecycle, RequestsAfterShutDownDoNotReachTheGivenBackNotifierSuite)
{
    EventbridgeHost h(MARKPLUG_APP_DIR, false);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    ASSERT_EQ(h.Host().Shutdown(h.Plugin()), kNoErr);
    ASSERT_EQ(RequestListeners(h, "AddEventListener"), 1u);

    h.Host().GetChecks().RecordCalls(true);
    h.Request("com.example.a", "AddEventListener", kSelection);
    h.Request("com.example.a", "ListEventsRequestEvent");
    EXPECT_TRUE(h.Host().GetChecks().Calls().empty());
    EXPECT_EQ(h.Host().Notifiers().size(), 1u);  // the setup notifier only
    const auto answers = h.TakeAnswers();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].fData, "<![CDATA[<events></events>]]>");
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
}
