#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Edition.h"
#include "FakeHost.h"
#include "FrameTestNames.h"
#include "PluginMain.h"
#include "Suites.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogPlugin.h"

namespace {

// The suites named by the log lines that start with verb ("acquire" or "release"), sorted: what was taken is
// compared with what was given back, whatever the order.
std::vector<std::string> SuiteNames(const std::string& verb)
{
    std::vector<std::string> names = fake::LogLines(verb + " ");
    for (std::string& name : names) name.erase(0, verb.size() + 1);
    std::sort(names.begin(), names.end());
    return names;
}

constexpr ZBErr kTestResult = PD_FOURCC('T', 'E', 'S', 'T');
std::vector<ZBErr> gShown;
void RecordShown(ZBPlugin*, ZBErr code) { gShown.push_back(code); }

class FRAME_SUITE(FrameMarkplugLifecycle) : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        gShown.clear();
        Plugin::SetErrorShownHook(RecordShown);
        fMessage.d = {fake::PluginRef(), nullptr, fake::Basic()};
    }
    void TearDown() override
    {
        if (fMessage.d.globals) PluginMain("ZB Interface", "Shutdown", &fMessage);
        Plugin::SetErrorShownHook(nullptr);
    }

    ZBErr Send(const char* caller, const char* selector) { return PluginMain(caller, selector, &fMessage); }
    TalvexPluginDialogPlugin* Object() const
    {
        return static_cast<TalvexPluginDialogPlugin*>(static_cast<Plugin*>(fMessage.d.globals));
    }

    PDNotifierMessage fMessage{};
};

}  // namespace

// Which suites and notifiers markplug takes is pinned by the contract tests on the host substitute; here each suite
// taken is given back once, whatever the order, and nothing else is left.
TEST_F(FRAME_SUITE(FrameMarkplugLifecycle), EverySuiteTakenAtStartupIsGivenBackOnceAtShutdown)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    const std::vector<std::string> acquired = SuiteNames("acquire");
    EXPECT_FALSE(acquired.empty());
    EXPECT_EQ(std::adjacent_find(acquired.begin(), acquired.end()), acquired.end());  // none taken twice
    EXPECT_TRUE(SuiteNames("release").empty());
    // The panel service library is looked for in the folder of the edition's type.
    EXPECT_EQ(fake::LogLines("FindFolder "), std::vector<std::string>{kMacEdition ? "FindFolder 52" : "FindFolder 0"});
    ASSERT_NE(Object(), nullptr);
    EXPECT_EQ(gPlugin, Object());
    EXPECT_NE(Object()->Controller(), nullptr);
    EXPECT_EQ(fake::State().pushedContexts, 0);
    EXPECT_EQ(fake::State().liveStrings, 0);
    EXPECT_EQ(fake::State().livePaths, 0);

    EXPECT_EQ(Send("ZB Interface", "Shutdown"), kNoErr);
    EXPECT_EQ(SuiteNames("release"), acquired);
    EXPECT_EQ(fMessage.d.globals, nullptr);
    EXPECT_EQ(gPlugin, nullptr);
    EXPECT_EQ(sPDNotifier, nullptr);
}

TEST_F(FRAME_SUITE(FrameMarkplugLifecycle), ANotifierTheHostRefusesFailsStartupAndDestroysTheObject)
{
    fake::State().notifierErrors[kPDArtSelectionChangedNotifier] = kTestResult;
    EXPECT_EQ(Send("ZB Interface", "Startup"), kTestResult);
    EXPECT_EQ(fMessage.d.globals, nullptr);
    EXPECT_EQ(gPlugin, nullptr);
    EXPECT_EQ(fake::LogLines("AddNotifier Register").size(), 0u);
    EXPECT_EQ(SuiteNames("release"), SuiteNames("acquire"));
    EXPECT_EQ(gShown, std::vector<ZBErr>{kTestResult});
}

TEST_F(FRAME_SUITE(FrameMarkplugLifecycle), UnloadClearsTheGlobalAndReloadRestoresObjectAndSuites)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    TalvexPluginDialogPlugin* object = Object();
    TalvexGlimtUIController* controller = object->Controller();

    EXPECT_EQ(Send("ZB Access", "Unload"), kNoErr);
    EXPECT_EQ(gPlugin, nullptr);
    EXPECT_FALSE(object->HoldsSuites());
    EXPECT_EQ(Object(), object);

    const std::vector<std::string> acquired = SuiteNames("acquire");
    fake::State().log.clear();
    EXPECT_EQ(Send("ZB Access", "Reload"), kNoErr);
    EXPECT_EQ(gPlugin, object);
    EXPECT_TRUE(object->HoldsSuites());
    EXPECT_EQ(object->Controller(), controller);
    EXPECT_EQ(object->GetPluginRef(), fake::PluginRef());
    EXPECT_EQ(SuiteNames("acquire"), acquired);
}

TEST_F(FRAME_SUITE(FrameMarkplugLifecycle), FixupReloadKeepsEveryFieldAndTheDispatch)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    TalvexPluginDialogPlugin* object = Object();
    TalvexGlimtUIController* controller = object->Controller();
    char before[256];
    object->GetPluginName(before, sizeof before);

    FixupReload(object);
    char after[256];
    object->GetPluginName(after, sizeof after);
    EXPECT_STREQ(after, before);
    EXPECT_EQ(object->Controller(), controller);
    EXPECT_EQ(object->GetPluginRef(), fake::PluginRef());
    EXPECT_TRUE(object->HoldsSuites());
    // Still a TalvexPluginDialogPlugin: its own Message turns an unhandled message into 0.
    EXPECT_EQ(object->Message("No Such Caller", "PD Go", &fMessage), kNoErr);
}

TEST_F(FRAME_SUITE(FrameMarkplugLifecycle), AnUnknownMessageAfterStartupAnswersZeroAndReportsNothing)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    EXPECT_EQ(Send("PD Menu", "PD Go"), kNoErr);
    EXPECT_EQ(Send("No Such Caller", "Nothing"), kNoErr);
    EXPECT_EQ(Send("ZB Cache", "Plug-in Purge"), kNoErr);
    EXPECT_TRUE(gShown.empty());
}

TEST_F(FRAME_SUITE(FrameMarkplugLifecycle), WithoutTheLibraryTheNotificationsReachNothing)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    fMessage.notifier = fake::State().notifiers[kPDWireletSetupCompleteNotifier];
    fMessage.type = kPDWireletSetupCompleteNotifier;
    EXPECT_EQ(Send("PD Notifier", "PD Notify"), kNoErr);
    fMessage.notifier = fake::State().notifiers[kPDArtSelectionChangedNotifier];
    fMessage.type = kPDArtSelectionChangedNotifier;
    EXPECT_EQ(Send("PD Notifier", "PD Notify"), kNoErr);
    EXPECT_EQ(Object()->Controller()->RegisterTRMLEventListeners(), 1);
    EXPECT_EQ(fake::State().pushedContexts, 0);
    EXPECT_TRUE(gShown.empty());
}
