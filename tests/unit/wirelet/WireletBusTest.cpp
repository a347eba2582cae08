#include "wirelet/PanelBus.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ListenerProbe.h"

namespace {

using wirelet::EventRecord;
using wirelet::ExtensionCall;
using wirelet::PanelBus;
using Strings = std::vector<std::string>;

TEST(WireletBus, RecordsACopyKeepingNullAndEmptyTextsApart)
{
    PanelBus bus;
    char data[] = "payload";
    TrmlEvent event = MakeEvent("ns.Event", data, "", nullptr, 7);
    ASSERT_EQ(bus.DispatchEvent(&event), wirelet::kOk);
    data[0] = 'X';  // the sender's buffer changes after the call; the record keeps what was sent

    const std::vector<EventRecord> expected{{"ns.Event", 7, std::nullopt, "", "payload", false}};
    EXPECT_EQ(bus.Events(), expected);
}

TEST(WireletBus, DeliversToEveryListenerOfExactlyTheType)
{
    PanelBus bus;
    Strings log;
    Probe exact{"exact", &log, {}};
    Probe longer{"longer", &log, {}};
    Probe prefix{"prefix", &log, {}};
    bus.AddEventListener("ns.Op", ProbeListener, &exact);
    bus.AddEventListener("ns.Operation", ProbeListener, &longer);
    bus.AddEventListener("ns", ProbeListener, &prefix);

    // An addressed event still reaches every listener of its type.
    TrmlEvent event = MakeEvent("ns.Op", "1", "some.extension", "word", 1);
    EXPECT_EQ(bus.DispatchEvent(&event), wirelet::kOk);
    EXPECT_EQ(log, (Strings{"exact ns.Op|1|word|some.extension|1"}));
}

TEST(WireletBus, ListenerReceivesItsContextAndTheEventTexts)
{
    PanelBus bus;
    Strings log;
    Probe probe{"p", &log, {}};
    bus.AddEventListener("ns.Op", ProbeListener, &probe);
    TrmlEvent event = MakeEvent("ns.Op", nullptr, nullptr, "", -3);
    bus.DispatchEvent(&event);
    EXPECT_EQ(log, (Strings{"p ns.Op|-3||(null)|(null)"}));
}

TEST(WireletBus, NullContextIsPassedOnAsItIs)
{
    PanelBus bus;
    static void* gSeenContext;
    static int gCalls;
    gSeenContext = &gCalls;
    gCalls = 0;
    auto listener = [](const TrmlEvent*, void* context) {
        gSeenContext = context;
        ++gCalls;
    };
    ASSERT_EQ(bus.AddEventListener("ns.Op", listener, nullptr), wirelet::kOk);
    TrmlEvent event = MakeEvent("ns.Op", "");
    bus.DispatchEvent(&event);
    EXPECT_EQ(gCalls, 1);
    EXPECT_EQ(gSeenContext, nullptr);
}

TEST(WireletBus, IdenticalRegistrationIsKeptOnceAndOneRemovalRemovesIt)
{
    PanelBus bus;
    Strings log;
    Probe probe{"p", &log, {}};
    ASSERT_EQ(bus.AddEventListener("ns.Op", ProbeListener, &probe), wirelet::kOk);
    ASSERT_EQ(bus.AddEventListener("ns.Op", ProbeListener, &probe), wirelet::kOk);
    EXPECT_EQ(bus.ListenerCount("ns.Op"), 1u);

    TrmlEvent event = MakeEvent("ns.Op", "a");
    bus.DispatchEvent(&event);
    EXPECT_EQ(log, (Strings{"p ns.Op|1|word|(null)|a"}));

    log.clear();
    EXPECT_EQ(bus.RemoveEventListener("ns.Op", ProbeListener, &probe), wirelet::kOk);
    EXPECT_EQ(bus.RemoveEventListener("ns.Op", ProbeListener, &probe), wirelet::kNotRegistered);
    bus.DispatchEvent(&event);
    EXPECT_TRUE(log.empty());
}

TEST(WireletBus, RegistrationsDifferingInOnePartAreEachKept)
{
    PanelBus bus;
    Strings log;
    Probe probe{"p", &log, {}};
    Probe other{"other", &log, {}};
    bus.AddEventListener("ns.Op", ProbeListener, &probe);
    bus.AddEventListener("ns.Op", ProbeListener, &other);
    bus.AddEventListener("ns.Op", OtherProbeListener, &probe);
    bus.AddEventListener("ns.Other", ProbeListener, &probe);
    EXPECT_EQ(bus.ListenerCount("ns.Op"), 3u);
    EXPECT_EQ(bus.ListenerCount(), 4u);

    TrmlEvent event = MakeEvent("ns.Op", "a");
    bus.DispatchEvent(&event);
    EXPECT_EQ(log,
              (Strings{"p ns.Op|1|word|(null)|a", "other ns.Op|1|word|(null)|a", "other:p ns.Op|1|word|(null)|a"}));
}

TEST(WireletBus, RemovalNeedsTheSameTypeFunctionAndContext)
{
    PanelBus bus;
    Probe probe;
    Probe otherContext;
    bus.AddEventListener("ns.Op", ProbeListener, &probe);
    EXPECT_EQ(bus.RemoveEventListener("ns.Op", ProbeListener, &otherContext), wirelet::kNotRegistered);
    EXPECT_EQ(bus.RemoveEventListener("ns.Other", ProbeListener, &probe), wirelet::kNotRegistered);
    EXPECT_EQ(bus.RemoveEventListener("ns.Op", OtherProbeListener, &probe), wirelet::kNotRegistered);
    EXPECT_EQ(bus.ListenerCount("ns.Op"), 1u);
    EXPECT_EQ(bus.RemoveEventListener("ns.Op", ProbeListener, &probe), wirelet::kOk);
    EXPECT_EQ(bus.RemoveEventListener("ns.Op", ProbeListener, &probe), wirelet::kNotRegistered);
    EXPECT_EQ(bus.ListenerCount(), 0u);
}

TEST(WireletBus, ListenerMayDispatchWhileItIsCalled)
{
    PanelBus bus;
    Strings log;
    Probe answering{"answering", &log, [&](const TrmlEvent&) {
                        TrmlEvent answer = MakeEvent("ns.Answer", "42", nullptr, "reply", 1);
                        EXPECT_EQ(bus.DispatchEvent(&answer), wirelet::kOk);
                    }};
    Probe second{"second", &log, {}};
    Probe panel{"panel", &log, {}};
    bus.AddEventListener("ns.Ask", ProbeListener, &answering);
    bus.AddEventListener("ns.Ask", ProbeListener, &second);
    bus.AddEventListener("ns.Answer", ProbeListener, &panel);

    TrmlEvent ask = MakeEvent("ns.Ask", "q");
    bus.DispatchEvent(&ask);
    // The answer is delivered inside the first listener's call, before the second listener of the question.
    EXPECT_EQ(log, (Strings{"answering ns.Ask|1|word|(null)|q", "panel ns.Answer|1|reply|(null)|42",
                            "second ns.Ask|1|word|(null)|q"}));
    const std::vector<EventRecord> expected{{"ns.Ask", 1, "word", std::nullopt, "q", false},
                                            {"ns.Answer", 1, "reply", std::nullopt, "42", false}};
    EXPECT_EQ(bus.Events(), expected);
}

TEST(WireletBus, ListenerRemovedDuringADispatchIsSkipped)
{
    PanelBus bus;
    Strings log;
    Probe later{"later", &log, {}};
    Probe remover{"remover", &log, [&](const TrmlEvent&) {
                      EXPECT_EQ(bus.RemoveEventListener("ns.Op", ProbeListener, &later), wirelet::kOk);
                  }};
    bus.AddEventListener("ns.Op", ProbeListener, &remover);
    bus.AddEventListener("ns.Op", ProbeListener, &later);
    TrmlEvent event = MakeEvent("ns.Op", "x");
    bus.DispatchEvent(&event);
    EXPECT_EQ(log, (Strings{"remover ns.Op|1|word|(null)|x"}));
}

TEST(WireletBus, ListenerMayRemoveItselfWhileItIsCalled)
{
    PanelBus bus;
    Strings log;
    Probe once{"once", &log, {}};
    once.fAction = [&](const TrmlEvent&) { bus.RemoveEventListener("ns.Op", ProbeListener, &once); };
    Probe always{"always", &log, {}};
    bus.AddEventListener("ns.Op", ProbeListener, &once);
    bus.AddEventListener("ns.Op", ProbeListener, &always);
    TrmlEvent event = MakeEvent("ns.Op", "x");
    bus.DispatchEvent(&event);
    bus.DispatchEvent(&event);
    EXPECT_EQ(log,
              (Strings{"once ns.Op|1|word|(null)|x", "always ns.Op|1|word|(null)|x", "always ns.Op|1|word|(null)|x"}));
}

TEST(WireletBus, ListenerAddedDuringADispatchWaitsForTheNextEvent)
{
    PanelBus bus;
    Strings log;
    Probe added{"added", &log, {}};
    Probe adder{"adder", &log, {}};
    adder.fAction = [&](const TrmlEvent&) {
        if (bus.ListenerCount("ns.Op") == 1) {
            bus.AddEventListener("ns.Op", ProbeListener, &added);
        }
    };
    bus.AddEventListener("ns.Op", ProbeListener, &adder);
    TrmlEvent first = MakeEvent("ns.Op", "1");
    TrmlEvent second = MakeEvent("ns.Op", "2");
    bus.DispatchEvent(&first);
    bus.DispatchEvent(&second);
    EXPECT_EQ(log,
              (Strings{"adder ns.Op|1|word|(null)|1", "adder ns.Op|1|word|(null)|2", "added ns.Op|1|word|(null)|2"}));
}

TEST(WireletBus, HostInjectionIsDeliveredAndFlagged)
{
    PanelBus bus;
    Strings log;
    Probe probe{"p", &log, {}};
    bus.AddEventListener("ns.OperationClicked", ProbeListener, &probe);
    EXPECT_EQ(bus.InjectEvent("ns.OperationClicked", "<op>1</op>", "panel.ext", "click", 3), wirelet::kOk);
    EXPECT_EQ(bus.InjectEvent("ns.OperationClicked", std::nullopt), wirelet::kOk);

    EXPECT_EQ(log, (Strings{"p ns.OperationClicked|3|click|panel.ext|<op>1</op>",
                            "p ns.OperationClicked|0|(null)|(null)|(null)"}));
    const std::vector<EventRecord> expected{{"ns.OperationClicked", 3, "click", "panel.ext", "<op>1</op>", true},
                                            {"ns.OperationClicked", 0, std::nullopt, std::nullopt, std::nullopt, true}};
    EXPECT_EQ(bus.Events(), expected);
}

TEST(WireletBus, InjectionTakesARecordAndSetsTheHostFlag)
{
    PanelBus bus;
    EXPECT_EQ(bus.InjectEvent(EventRecord{"ns.Op", 2, "s", std::nullopt, "", false}), wirelet::kOk);
    const std::vector<EventRecord> expected{{"ns.Op", 2, "s", std::nullopt, "", true}};
    EXPECT_EQ(bus.Events(), expected);
}

TEST(WireletBus, InjectionRefusesTextsWithANulCharacter)
{
    PanelBus bus;
    Strings log;
    Probe probe{"p", &log, {}};
    bus.AddEventListener("ns.Op", ProbeListener, &probe);
    EXPECT_EQ(bus.InjectEvent("ns.Op", std::string("a\0b", 3)), wirelet::kInvalidText);
    EXPECT_EQ(bus.InjectEvent(std::string("ns.Op\0x", 7), "a"), wirelet::kInvalidText);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(bus.Events().empty());
}

TEST(WireletBus, ObserverSeesEveryEventBeforeItsListeners)
{
    PanelBus bus;
    Strings log;
    bus.SetObserver([&](const EventRecord& record) {
        log.push_back("observer " + record.fType + (record.fFromHost ? " host" : " panel"));
    });
    Probe answering{"answering", &log, [&](const TrmlEvent&) {
                        TrmlEvent answer = MakeEvent("ns.Answer", "");
                        bus.DispatchEvent(&answer);
                    }};
    bus.AddEventListener("ns.Ask", ProbeListener, &answering);
    bus.InjectEvent("ns.Ask", "q");
    EXPECT_EQ(log, (Strings{"observer ns.Ask host", "answering ns.Ask|0|(null)|(null)|q", "observer ns.Answer panel"}));

    log.clear();
    bus.SetObserver({});
    bus.InjectEvent("ns.Other", "q");
    EXPECT_TRUE(log.empty());
}

TEST(WireletBus, ExceptionsOfListenersAndObserverStayInsideTheBus)
{
    PanelBus bus;
    Strings log;
    bus.SetObserver([](const EventRecord&) { throw std::runtime_error("observer"); });
    Probe thrower{"thrower", &log, [](const TrmlEvent&) { throw std::runtime_error("listener"); }};
    Probe after{"after", &log, {}};
    bus.AddEventListener("ns.Op", ProbeListener, &thrower);
    bus.AddEventListener("ns.Op", ProbeListener, &after);
    TrmlEvent event = MakeEvent("ns.Op", "x");
    EXPECT_EQ(bus.DispatchEvent(&event), wirelet::kOk);
    EXPECT_EQ(log, (Strings{"thrower ns.Op|1|word|(null)|x", "after ns.Op|1|word|(null)|x"}));
}

TEST(WireletBus, RemoveListenersIfDropsListenersByFunction)
{
    PanelBus bus;
    Strings log;
    Probe kept{"kept", &log, {}};
    Probe dropped{"dropped", &log, {}};
    bus.AddEventListener("ns.A", ProbeListener, &kept);
    bus.AddEventListener("ns.A", OtherProbeListener, &dropped);
    bus.AddEventListener("ns.B", OtherProbeListener, &dropped);
    const std::size_t removed =
        bus.RemoveListenersIf([](TrmlEventListenerFn function) { return function == OtherProbeListener; });
    EXPECT_EQ(removed, 2u);
    EXPECT_EQ(bus.ListenerCount("ns.A"), 1u);
    EXPECT_EQ(bus.ListenerCount("ns.B"), 0u);
    bus.InjectEvent("ns.A", "x");
    EXPECT_EQ(log, (Strings{"kept ns.A|0|(null)|(null)|x"}));
}

TEST(WireletBus, ListenersDroppedByPredicateDuringADispatchAreSkipped)
{
    PanelBus bus;
    Strings log;
    Probe dropped{"dropped", &log, {}};
    Probe dropper{"dropper", &log, [&](const TrmlEvent&) {
                      bus.RemoveListenersIf([](TrmlEventListenerFn f) { return f == OtherProbeListener; });
                  }};
    bus.AddEventListener("ns.A", ProbeListener, &dropper);
    bus.AddEventListener("ns.A", OtherProbeListener, &dropped);
    bus.InjectEvent("ns.A", "x");
    EXPECT_EQ(log, (Strings{"dropper ns.A|0|(null)|(null)|x"}));
}

TEST(WireletBus, TakeEventsHandsOverAndClearsTheRecord)
{
    PanelBus bus;
    bus.InjectEvent("ns.A", "1");
    bus.InjectEvent("ns.B", "2");
    const std::vector<EventRecord> taken = bus.TakeEvents();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].fType, "ns.A");
    EXPECT_EQ(taken[1].fType, "ns.B");
    EXPECT_TRUE(bus.Events().empty());
    bus.InjectEvent("ns.C", "3");
    bus.ClearEvents();
    EXPECT_TRUE(bus.Events().empty());
}

TEST(WireletBus, ExtensionLoadsAndUnloadsAreRecordedInOrder)
{
    PanelBus bus;
    EXPECT_EQ(bus.LoadExtension("panel.one"), wirelet::kOk);
    EXPECT_EQ(bus.LoadExtension(""), wirelet::kOk);
    EXPECT_EQ(bus.UnloadExtension("panel.one"), wirelet::kOk);
    const std::vector<ExtensionCall> expected{{ExtensionCall::Kind::kLoad, "panel.one"},
                                              {ExtensionCall::Kind::kLoad, ""},
                                              {ExtensionCall::Kind::kUnload, "panel.one"}};
    EXPECT_EQ(bus.ExtensionCalls(), expected);
    bus.ClearExtensionCalls();
    EXPECT_TRUE(bus.ExtensionCalls().empty());
}

TEST(WireletBus, ResetForgetsListenersObserverAndRecords)
{
    PanelBus bus;
    Strings log;
    Probe probe{"p", &log, {}};
    bus.AddEventListener("ns.A", ProbeListener, &probe);
    bus.SetObserver([&](const EventRecord&) { log.push_back("observer"); });
    bus.LoadExtension("panel.one");
    bus.InjectEvent("ns.A", "x");
    log.clear();

    bus.Reset();
    EXPECT_EQ(bus.ListenerCount(), 0u);
    EXPECT_TRUE(bus.Events().empty());
    EXPECT_TRUE(bus.ExtensionCalls().empty());
    bus.InjectEvent("ns.A", "x");
    EXPECT_TRUE(log.empty());
}

}  // namespace
