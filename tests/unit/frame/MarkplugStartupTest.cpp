#include <gtest/gtest.h>

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

struct SuiteVersions {
    const char* name;
    int windows;
    int mac;
};

// Every suite markplug holds, in the order it asks for them.
const SuiteVersions kSuites[] = {
    {"ZB Access Suite", 3, 3},
    {"ZB Plug-ins Suite", 4, 4},
    {"PD Notifier Suite", 4, 1003},
    {"PD Context Suite", 7, 1006},
    {"PD User Suite", 11, 1010},
    {"PD File Path Suite", 4, 1003},
    {"PD Folders Suite", 5, 1004},
    {"PD Menu Suite", 11, 1010},
    {"PD Unicode String Suite", 8, 1007},
    {"ZB Blocks Suite", 2, 2},
    {"PD Preference Suite", 6, 1005},
    {"PD Path Suite", 11, 1010},
    {"PD Path Style Suite", 13, 1012},
    {"PD PathConstruction Suite", 4, 1003},
    {"PD Expand Suite", 4, 1003},
    {"PD Raster Suite", 10, 1009},
    {"PD Layer Suite", 13, 1012},
    {"PD Plugin Suite", 5, 1004},
    {"PD Action Manager Suite", 5, 1004},
    {"PD Pathfinder Suite", 6, 1005},
    {"PD Tag Suite", 4, 1003},
    {"PD Runtime Suite", 12, 1011},
    {"PD Document Suite", 14, 1013},
    {"PD Art Suite", 17, 1016},
    {"PD Matching Art Suite", 7, 1006},
    {"PD Undo Suite", 7, 1006},
    {"PD String Format Utils Suite", 3, 1002},
    {"PD Draw Art Suite", 11, 1010},
};

std::vector<std::string> SuiteLines(const std::string& verb)
{
    std::vector<std::string> lines;
    for (const SuiteVersions& suite : kSuites)
        lines.push_back(verb + " " + suite.name + " " + std::to_string(kMacEdition ? suite.mac : suite.windows));
    return lines;
}

std::vector<std::string> WithoutSuiteLines(const std::vector<std::string>& log)
{
    std::vector<std::string> lines;
    for (const std::string& line : log) {
        if (!line.starts_with("acquire ") && !line.starts_with("NewString ")) lines.push_back(line);
    }
    return lines;
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

TEST_F(FRAME_SUITE(FrameMarkplugLifecycle), StartupHoldsTheSuitesAddsTheNotifiersAndLocksOnce)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    EXPECT_EQ(fake::LogLines("acquire "), SuiteLines("acquire"));
    EXPECT_EQ(WithoutSuiteLines(fake::State().log),
              (std::vector<std::string>{
                  "SetPluginName Plugin",
                  "AddNotifier Plugin App Started Notifier | PD Application Started Notifier",
                  "AcquirePlugin",
                  std::string("FindFolder ") + (kMacEdition ? "52" : "0"),
                  // The stored crop settings are read on the plug-in's behalf.
                  "PushAppContext",
                  "PopAppContext",
                  "AddNotifier ThisPlugin_Shutdown PD Application Shutdown Notifier | PD Application Shutdown Notifier",
                  "AddNotifier ThisPlugin_Redraw | PD Art Selection Changed Notifier",
                  "AddNotifier Register Event Notify | PD TRML Wirelet Setup Complete",
                  "SetPluginOptions 0",
              }));
    ASSERT_NE(Object(), nullptr);
    EXPECT_EQ(gPlugin, Object());
    EXPECT_NE(Object()->Controller(), nullptr);
    EXPECT_EQ(fake::State().liveStrings, 0);
    EXPECT_EQ(fake::State().livePaths, 0);
}

TEST_F(FRAME_SUITE(FrameMarkplugLifecycle), ShutdownReleasesEverySuiteInTableOrderAndClearsTheGlobals)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    fake::State().log.clear();
    EXPECT_EQ(Send("ZB Interface", "Shutdown"), kNoErr);
    EXPECT_EQ(fake::State().log, SuiteLines("release"));
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
    EXPECT_EQ(fake::LogLines("release "), SuiteLines("release"));
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

    fake::State().log.clear();
    EXPECT_EQ(Send("ZB Access", "Reload"), kNoErr);
    EXPECT_EQ(gPlugin, object);
    EXPECT_TRUE(object->HoldsSuites());
    EXPECT_EQ(object->Controller(), controller);
    EXPECT_EQ(object->GetPluginRef(), fake::PluginRef());
    EXPECT_EQ(fake::LogLines("acquire "), SuiteLines("acquire"));
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
