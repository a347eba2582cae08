// markplug's life cycle through its entry point, loaded by the host substitute.
#include <gtest/gtest.h>

#include "MarkplugHost.h"
#include "pendrake/PDSuites.h"

using testing_support::MarkplugHost;

namespace {

class Lifecycle : public testing::TestWithParam<std::string> {
protected:
    bool Mac() const { return GetParam() == "macos"; }
};

std::string Violations(host::Host& host)
{
    std::string text;
    for (const auto& v : host.GetChecks().Violations()) text += v + "\n";
    return text;
}

}  // namespace

TEST_P(Lifecycle, StartupHoldsSuitesNamesThePluginAndAddsItsNotifiers)
{
    MarkplugHost h(GetParam());
    ASSERT_NE(h.Plugin(), nullptr);
    EXPECT_EQ(h.Plugin()->properties.name, "TalvexPluginDialog");
    ASSERT_EQ(h.Host().Startup(h.Plugin()), kNoErr);

    EXPECT_EQ(h.Host().Suites().HeldCount(h.Plugin()), 28);
    const int32_t notifierVersion = Mac() ? kPDNotifierSuiteVersion1003 : kPDNotifierSuiteVersion4;
    EXPECT_EQ(h.Host().Suites().HeldCount(kPDNotifierSuite, notifierVersion), 1);
    EXPECT_EQ(h.Host().Suites().HeldCount(kPDPathSuite, Mac() ? 1010 : 11), 1);
    EXPECT_EQ(h.Host().Suites().HeldCount(kZBBlocksSuite, 2), 1);
    EXPECT_EQ(h.Plugin()->name, "Plugin");
    EXPECT_EQ(h.NotifierNames(),
              (std::vector<std::string>{
                  "Plugin App Started Notifier|PD Application Started Notifier",
                  "ThisPlugin_Shutdown PD Application Shutdown Notifier|PD Application Shutdown Notifier",
                  "ThisPlugin_Redraw|PD Art Selection Changed Notifier",
                  "Register Event Notify|PD TRML Wirelet Setup Complete"}));
    EXPECT_EQ(h.Plugin()->lockCount, 1);  // depth 2, but only the first lock reaches the host
    EXPECT_EQ(h.Plugin()->setOptionsCalls, 1);
    EXPECT_EQ(h.Plugin()->options, 0);
    EXPECT_NE(h.Plugin()->globals, nullptr);
    EXPECT_EQ(Violations(h.Host()), "");
}

TEST_P(Lifecycle, ShutdownReleasesEverythingButTheLock)
{
    MarkplugHost h(GetParam());
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click("<payload><operation>14</operation></payload>");
    ASSERT_EQ(h.Host().Shutdown(h.Plugin()), kNoErr);
    EXPECT_EQ(h.Leftovers(), "");
    EXPECT_EQ(h.Plugin()->globals, nullptr);
    EXPECT_EQ(h.Plugin()->lockCount, 1);
    EXPECT_EQ(h.Bus().ListenerCount(), 0u);  // the panel service dropped the plug-in's listener
    EXPECT_EQ(Violations(h.Host()), "");
}

TEST_P(Lifecycle, SeveralHostsInOneProcessLeaveNothingBehind)
{
    for (int round = 0; round < 3; ++round) {
        MarkplugHost h(GetParam());
        ASSERT_EQ(h.StartAndConnect(), kNoErr) << "round " << round;
        h.Click("<payload><operation>8</operation></payload>");
        ASSERT_EQ(h.Host().Shutdown(h.Plugin()), kNoErr);
        EXPECT_EQ(h.Leftovers(), "") << "round " << round;
        EXPECT_EQ(Violations(h.Host()), "") << "round " << round;
    }
}

TEST_P(Lifecycle, MissingSuiteFailsStartupAndLeavesNoObject)
{
    MarkplugHost h(GetParam());
    h.Host().Suites().Withhold(kPDTagSuite);
    EXPECT_EQ(h.Host().Startup(h.Plugin()), kSuiteNotFoundErr);
    EXPECT_EQ(h.Plugin()->globals, nullptr);
    EXPECT_EQ(h.Leftovers(), "");
    EXPECT_TRUE(h.NotifierNames().empty());
    // Later messages find no object and are answered with 0.
    EXPECT_EQ(h.Host().Send(h.Plugin(), kZBCacheCaller, kZBPurgeCacheSelector), kNoErr);
}

TEST_P(Lifecycle, SuiteOfferedOnlyInAnotherVersionFailsStartup)
{
    MarkplugHost h(GetParam());
    h.Host().Suites().OfferOnly(kPDNotifierSuite, kPDNotifierSuiteVersion3);
    EXPECT_EQ(h.Host().Startup(h.Plugin()), kSuiteNotFoundErr);
    EXPECT_EQ(h.Leftovers(), "");
}

TEST_P(Lifecycle, FailedNotifierAddIsReturnedAndTheObjectDestroyed)
{
    MarkplugHost h(GetParam());
    // The first add (the app started notifier) succeeds; the second, in the derived start-up, fails.
    h.Host().GetFaults().FailCall("AddNotifier", kCantHappenErr, -1);
    EXPECT_EQ(h.Host().Startup(h.Plugin()), kCantHappenErr);
    EXPECT_EQ(h.Plugin()->globals, nullptr);
    EXPECT_EQ(h.Leftovers(), "");
}

TEST_P(Lifecycle, UnknownCallersAndSelectorsAreAnsweredWithZero)
{
    MarkplugHost h(GetParam());
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    for (const auto& [caller, selector] :
         std::vector<std::pair<const char*, const char*>>{{"Nobody", "Nothing"},
                                                          {kZBInterfaceCaller, "Bogus"},
                                                          {kPDMenuCaller, "PD Go"},
                                                          {kPDToolCaller, "PD Reselect"},
                                                          {kZBCacheCaller, kZBPurgeCacheSelector},
                                                          {kZBInterfaceCaller, kZBAboutSelector},
                                                          {kZBPropertiesCaller, kZBAcquirePropertySelector},
                                                          {kPDActionCaller, kPDDoActionSelector}})
        EXPECT_EQ(h.Host().Send(h.Plugin(), caller, selector), kNoErr) << caller << " / " << selector;
    EXPECT_EQ(Violations(h.Host()), "");
}

TEST_P(Lifecycle, UnloadDropsTheSuitesAndReloadTakesThemBack)
{
    MarkplugHost h(GetParam());
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    void* object = h.Plugin()->globals;
    ASSERT_EQ(h.Host().Unload(h.Plugin()), kNoErr);
    EXPECT_EQ(h.Host().Suites().HeldCount(h.Plugin()), 0);
    EXPECT_NE(h.Plugin()->module, nullptr);  // locked: the host keeps the code
    // Without suites the object answers without dispatching.
    EXPECT_EQ(h.Host().Send(h.Plugin(), kPDNotifierCaller, kPDNotifySelector), kNoErr);
    EXPECT_EQ(h.Host().Send(h.Plugin(), kZBCacheCaller, kZBPurgeCacheSelector), kNoErr);
    EXPECT_EQ(h.Host().Suites().HeldCount(h.Plugin()), 0);
    ASSERT_EQ(h.Host().Reload(h.Plugin()), kNoErr);
    EXPECT_EQ(h.Host().Suites().HeldCount(h.Plugin()), 28);
    EXPECT_EQ(h.Plugin()->globals, object);
    ASSERT_EQ(h.Host().Shutdown(h.Plugin()), kNoErr);
    EXPECT_EQ(h.Leftovers(), "");
    EXPECT_EQ(Violations(h.Host()), "");
}

INSTANTIATE_TEST_SUITE_P(Editions, Lifecycle, testing::Values("windows", "macos"));
