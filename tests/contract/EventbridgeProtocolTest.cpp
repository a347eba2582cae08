// Panels talking to eventbridge through the panel service substitute: subscriptions, answers, forwarding.
#include <gtest/gtest.h>

#include "EventbridgeHost.h"
#include "pendrake/PDSuites.h"

using testing_support::AdapterType;
using testing_support::EventbridgeHost;
using wirelet::EventRecord;

namespace {

const std::string kSelection = kPDArtSelectionChangedNotifier;

EventRecord AdapterEvent(const std::string& suffix, const std::string& data)
{
    EventRecord event;
    event.fType = AdapterType(suffix);
    event.fScope = 0;
    event.fSender = "PNDK";
    event.fExtension = std::nullopt;
    event.fData = data;
    return event;
}

EventRecord ListAnswer(const std::string& data) { return AdapterEvent("ListEventsResponseEvent", data); }
EventRecord Forwarded(const std::string& id)
{
    return AdapterEvent("CppEvent", "<![CDATA[<event id=\"" + id + "\" />]]>");
}

// A panel: listens for the forwarded notifications and keeps each one's data.
struct Panel {
    std::vector<std::string> received;
    static void Hear(const TrmlEvent* event, void* context)
    {
        static_cast<Panel*>(context)->received.push_back(event->data ? event->data : "(null)");
    }
};

class EventbridgeProtocol : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(h.StartAndConnect(), kNoErr); }
    std::vector<EventRecord> List(const std::optional<std::string>& extension)
    {
        h.TakeAnswers();
        h.Request(extension, "ListEventsRequestEvent");
        return h.TakeAnswers();
    }
    EventbridgeHost h;
};

}  // namespace

TEST_F(EventbridgeProtocol, TwoPanelsSubscribedToDifferentIdsBothReceiveEveryNotification)
{
    Panel a, b;
    h.Bus().AddEventListener(AdapterType("CppEvent").c_str(), Panel::Hear, &a);
    h.Bus().AddEventListener(AdapterType("CppEvent").c_str(), Panel::Hear, &b);
    h.Request("com.example.a", "AddEventListener", kSelection);
    h.Request("com.example.b", "AddEventListener", "Custom Event");
    h.TakeAnswers();

    EXPECT_EQ(h.Host().Notify(kSelection), 1);
    EXPECT_EQ(h.Host().Notify("Custom Event"), 1);
    const std::vector<std::string> both = {"<![CDATA[<event id=\"PD Art Selection Changed Notifier\" />]]>",
                                           "<![CDATA[<event id=\"Custom Event\" />]]>"};
    EXPECT_EQ(a.received, both);
    EXPECT_EQ(b.received, both);
    EXPECT_EQ(h.TakeAnswers(), (std::vector<EventRecord>{Forwarded(kSelection), Forwarded("Custom Event")}));
}

TEST_F(EventbridgeProtocol, IdsWithQuotesAndLessThanAreForwardedAndListedUnchanged)
{
    const std::string odd = "say \"<hi>\" & bye";
    h.Request("com.example.a", "AddEventListener", odd);
    h.TakeAnswers();
    h.Host().Notify(odd);
    EXPECT_EQ(h.TakeAnswers(), std::vector<EventRecord>{Forwarded(odd)});
    EXPECT_EQ(List("com.example.a"),
              std::vector<EventRecord>{ListAnswer("<![CDATA[<events><event id=\"say \"<hi>\" & bye\" /></events>]]>")});
}

TEST_F(EventbridgeProtocol, SubscribeUnsubscribeSubscribeAddsOneNotifierThenSwitchesItOffAndOn)
{
    h.Request("com.example.a", "AddEventListener", kSelection);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=active"});
    h.Request("com.example.a", "RemoveEventListener", kSelection);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=inactive"});
    EXPECT_EQ(h.Host().Notify(kSelection), 0);
    h.Request("com.example.a", "AddEventListener", kSelection);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=active"});
    EXPECT_EQ(h.Host().Notify(kSelection), 1);
    // Subscriptions are never answered.
    EXPECT_EQ(h.TakeAnswers(), std::vector<EventRecord>{Forwarded(kSelection)});
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
}

TEST_F(EventbridgeProtocol, CountsSubscriptionsPerExtensionAndSwitchesOffOnlyWithTheLast)
{
    h.Request("com.example.a", "AddEventListener", kSelection);
    h.Request("com.example.a", "AddEventListener", kSelection);
    h.Request("com.example.b", "AddEventListener", kSelection);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=active"});
    EXPECT_EQ(List("com.example.a"),
              std::vector<EventRecord>{ListAnswer("<![CDATA[<events><event id=\"" + kSelection + "\" /></events>]]>")});
    h.Request("com.example.a", "RemoveEventListener", kSelection);
    h.Request("com.example.b", "RemoveEventListener", kSelection);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=active"});  // a still holds one
    h.Request("com.example.a", "RemoveEventListener", kSelection);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=inactive"});
    // Removing what is not there changes nothing.
    h.Request("com.example.a", "RemoveEventListener", kSelection);
    h.Request("com.example.c", "RemoveEventListener", "Never Subscribed");
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=inactive"});
}

TEST_F(EventbridgeProtocol, ListAnswersHoldOnlyTheRequestersIdsInByteWiseOrder)
{
    EXPECT_EQ(List("com.example.a"), std::vector<EventRecord>{ListAnswer("<![CDATA[<events></events>]]>")});
    for (const char* id : {"b", "a", "\xC3\xA9t\xC3\xA9", "B", "ab"})
        h.Request("com.example.a", "AddEventListener", id);
    h.Request("com.example.b", "AddEventListener", "only b");
    EXPECT_EQ(List("com.example.a"),
              std::vector<EventRecord>{ListAnswer("<![CDATA[<events><event id=\"B\" /><event id=\"a\" />"
                                                  "<event id=\"ab\" /><event id=\"b\" />"
                                                  "<event id=\"\xC3\xA9t\xC3\xA9\" /></events>]]>")});
    EXPECT_EQ(List("com.example.b"),
              std::vector<EventRecord>{ListAnswer("<![CDATA[<events><event id=\"only b\" /></events>]]>")});
}

TEST_F(EventbridgeProtocol, PingIsAnsweredWithEmptyDataToEveryone)
{
    h.Request("com.example.a", "PingRequestEvent", "ignored");
    h.Request(std::nullopt, "PingRequestEvent", std::nullopt);
    const EventRecord pong = AdapterEvent("PingResponseEvent", "");
    EXPECT_EQ(h.TakeAnswers(), (std::vector<EventRecord>{pong, pong}));
}

TEST_F(EventbridgeProtocol, RequestsWithoutExtensionOrDataAreIgnored)
{
    h.Request(std::nullopt, "AddEventListener", kSelection);
    h.Request("com.example.a", "AddEventListener", std::nullopt);
    EXPECT_TRUE(h.SubscriptionNotifiers().empty());
    h.Request("com.example.a", "AddEventListener", kSelection);
    h.Request(std::nullopt, "RemoveEventListener", kSelection);
    h.Request("com.example.a", "RemoveEventListener", std::nullopt);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=active"});
    EXPECT_TRUE(List(std::nullopt).empty());  // a list for nobody is not answered
    // An empty extension id is an id like any other.
    h.Request("", "AddEventListener", "Custom Event");
    EXPECT_EQ(List(""),
              std::vector<EventRecord>{ListAnswer("<![CDATA[<events><event id=\"Custom Event\" /></events>]]>")});
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
}

TEST_F(EventbridgeProtocol, HostRefusingToAddANotifierRecordsNothingAndTheNextRequestTriesAgain)
{
    h.Host().GetFaults().FailCall("AddNotifier", kOutOfMemoryErr, 1);
    h.Request("com.example.a", "AddEventListener", kSelection);
    EXPECT_TRUE(h.SubscriptionNotifiers().empty());
    EXPECT_EQ(List("com.example.a"), std::vector<EventRecord>{ListAnswer("<![CDATA[<events></events>]]>")});
    h.Request("com.example.a", "AddEventListener", kSelection);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=active"});
}

TEST_F(EventbridgeProtocol, HostRefusingToReactivateRecordsNothing)
{
    h.Request("com.example.a", "AddEventListener", kSelection);
    h.Request("com.example.a", "RemoveEventListener", kSelection);
    h.Host().GetFaults().FailCall("SetNotifierActive", kBadParameterErr, 1);
    h.Request("com.example.a", "AddEventListener", kSelection);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=inactive"});
    EXPECT_EQ(List("com.example.a"), std::vector<EventRecord>{ListAnswer("<![CDATA[<events></events>]]>")});
    h.Request("com.example.a", "AddEventListener", kSelection);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=active"});
}

TEST_F(EventbridgeProtocol, HostRefusingToDeactivateKeepsTheIdUnlistedUntilTheNextSubscription)
{
    h.Request("com.example.a", "AddEventListener", kSelection);
    h.Host().GetFaults().FailCall("SetNotifierActive", kBadParameterErr, 1);
    h.Request("com.example.a", "RemoveEventListener", kSelection);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=active"});
    EXPECT_EQ(List("com.example.a"), std::vector<EventRecord>{ListAnswer("<![CDATA[<events></events>]]>")});
    // The next subscription only counts: the host is not asked again.
    h.Host().GetChecks().RecordCalls(true);
    h.Request("com.example.b", "AddEventListener", kSelection);
    for (const auto& call : h.Host().GetChecks().Calls()) {
        EXPECT_NE(call.operation, "SetNotifierActive");
        EXPECT_NE(call.operation, "AddNotifier");
    }
    EXPECT_EQ(List("com.example.b"),
              std::vector<EventRecord>{ListAnswer("<![CDATA[<events><event id=\"" + kSelection + "\" /></events>]]>")});
    // At shut-down the id is switched off like every other.
    EXPECT_EQ(h.Host().Shutdown(h.Plugin()), kNoErr);
    EXPECT_EQ(h.SubscriptionNotifiers(), std::vector<std::string>{kSelection + "=inactive"});
}
