// markplug and eventbridge loaded from the one plug-in folder into one host, on one panel service.
#include <gtest/gtest.h>

#include "EventbridgeHost.h"
#include "MarkplugHost.h"
#include "host/PanelLink.h"
#include "pendrake/PDSuites.h"

using testing_support::AdapterType;
using testing_support::kOperationClicked;

namespace {

std::vector<std::string> DispatchedTypes(wirelet::PanelBus& bus)
{
    std::vector<std::string> types;
    for (const auto& event : bus.TakeEvents())
        if (!event.fFromHost) types.push_back(event.fType);
    return types;
}

}  // namespace

TEST(TwoPlugins, EachWorksAndNeitherSeesTheOthersRequests)
{
    wirelet::PanelBus& bus = wirelet::PanelBus::Shared();
    bus.Reset();
    {
        host::HostOptions options;
        options.folders[kPDApplicationFolderType] = MARKPLUG_APP_DIR;
        host::Host host(options);
        host::LinkPanelService(host);
        ASSERT_TRUE(host.LoadPluginsFrom(std::string(MARKPLUG_PLUGINS_DIR) + "/windows").empty());
        ASSERT_NE(host.FindPlugin("TalvexPluginDialog"), nullptr);
        ASSERT_NE(host.FindPlugin("eventbridge"), nullptr);
        host.StartAll();
        host.PanelServiceReady();
        EXPECT_EQ(bus.ListenerCount(kOperationClicked), 1u);
        EXPECT_EQ(bus.ListenerCount(AdapterType("AddEventListener")), 1u);

        // markplug's panel asks for the model list: only markplug answers.
        bus.InjectEvent(kOperationClicked, "<payload><operation>8</operation></payload>", "com.varrowkt.talvex.panel");
        EXPECT_EQ(DispatchedTypes(bus), std::vector<std::string>{"com.varrowkt.talvex.TalvexSendMachineTypeList"});
        // A panel pings the adapter: only the adapter answers.
        bus.InjectEvent(AdapterType("PingRequestEvent"), "", "com.example.a");
        EXPECT_EQ(DispatchedTypes(bus), std::vector<std::string>{AdapterType("PingResponseEvent")});

        // One selection change reaches both: markplug asks its panel to redraw, the adapter forwards it.
        bus.InjectEvent(AdapterType("AddEventListener"), kPDArtSelectionChangedNotifier, "com.example.a");
        host.Notify(kPDArtSelectionChangedNotifier);
        EXPECT_EQ(DispatchedTypes(bus),
                  (std::vector<std::string>{"com.varrowkt.talvex.TalvexRedrawPreview", AdapterType("CppEvent")}));

        host.ShutdownAll();
        EXPECT_EQ(bus.ListenerCount(), 0u);
        EXPECT_TRUE(host.GetChecks().Violations().empty());
    }
    bus.Reset();
}
