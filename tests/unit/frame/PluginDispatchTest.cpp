#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeHost.h"
#include "FrameTestNames.h"
#include "RecordingPlugin.h"
#include "Suites.h"

namespace {

constexpr ZBErr kTestResult = PD_FOURCC('T', 'E', 'S', 'T');

struct Route {
    const char* caller;
    const char* selector;
    const char* operation;
};

const Route kRoutes[] = {
    {"ZB Properties", "Acquire", "AcquireProperty"},
    {"ZB Properties", "Release", "ReleaseProperty"},
    {"Action Manager", "Do Action", "GoAction"},
    {"PD Menu", "PD Go", "GoMenuItem"},
    {"PD Menu", "PD Update", "UpdateMenuItem"},
    {"PD Filter", "PD Get Parameters", "GetFilterParameters"},
    {"PD Filter", "PD Go", "GoFilter"},
    {"PD Plugin Group", "PD Notify Edits", "PluginGroupNotify"},
    {"PD Plugin Group", "PD Update", "PluginGroupUpdate"},
    {"PD File Format", "PD Get Parameters", "GetFileFormatParameters"},
    {"PD File Format", "PD Go", "GoFileFormat"},
    {"PD File Format", "PD Check", "CheckFileFormat"},
    {"PD File Format", "PD Update PD140", "FileFormatUpdate"},
    {"PD File Format", "Do Action", "SetFileFormatParameters"},
    {"PD Tool", "PD Edit Options", "EditTool"},
    {"PD Tool", "PD Track Cursor", "TrackToolCursor"},
    {"PD Tool", "PD Mouse Down", "ToolMouseDown"},
    {"PD Tool", "PD Mouse Drag", "ToolMouseDrag"},
    {"PD Tool", "PD Mouse Up", "ToolMouseUp"},
    {"PD Tool", "PD Select", "SelectTool"},
    {"PD Tool", "PD Deselect", "DeselectTool"},
    {"PD Tool", "PD Reselect", "ReselectTool"},
    {"PD Tool", "PD Decrease Diameter", "DecreaseDiameter"},
    {"PD Tool", "PD Increase Diameter", "IncreaseDiameter"},
    {"PD Live Effect", "PD Live Effect Edit Parameters", "EditLiveEffectParameters"},
    {"PD Live Effect", "PD Live Effect Go Live", "GoLiveEffect"},
    {"PD Live Effect", "PD Live Effect Interpolate Parameters", "LiveEffectInterpolate"},
    {"PD Live Effect", "PD Live Effect Input Type", "LiveEffectGetInputType"},
    {"PD Live Effect", "PD Live Effect Scale Parameters", "LiveEffectScaleParameters"},
    {"PD Live Effect", "PD Live Effect Convert Color Space", "LiveEffectConvertColorSpace"},
    {"PD Live Effect", "PD Live Effect Adjust Colors", "LiveEffectAdjustColors"},
    {"PD Live Effect", "PD Live Effect Handle Merge", "LiveEffectHandleMerge"},
    {"PD Timer", "PD Go", "GoTimer"},
    {"PD Clipboard", "PD Go", "GoClipboard"},
    {"PD Clipboard", "PD Can Copy", "CanCopyClipboard"},
    {"PD Clipboard", "PD Clone", "CloneClipboard"},
    {"PD Clipboard", "PD Dispose", "DisposeClipboard"},
    {"Workspace Manager", "Write Workspace", "WorkspaceWrite"},
    {"Workspace Manager", "Restore Workspace", "WorkspaceRestore"},
    {"Workspace Manager", "Default Workspace", "WorkspaceDefault"},
};

class FRAME_SUITE(FramePluginMessage) : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        sZBBasic = fake::Basic();
        fMessage.d = {fake::PluginRef(), nullptr, fake::Basic()};
    }

    std::vector<std::string> Operations() const { return fake::LogLines("op "); }

    RecordingPlugin fPlugin{fake::PluginRef()};
    PDNotifierMessage fMessage{};
};

}  // namespace

TEST_F(FRAME_SUITE(FramePluginMessage), RoutesEachCallerAndSelectorToItsOperation)
{
    fPlugin.fResult = kTestResult;
    for (const Route& route : kRoutes) {
        fake::State().log.clear();
        EXPECT_EQ(fPlugin.Message(route.caller, route.selector, &fMessage), kTestResult)
            << route.caller << " / " << route.selector;
        EXPECT_EQ(Operations(), std::vector<std::string>{std::string("op ") + route.operation})
            << route.caller << " / " << route.selector;
    }
}

TEST_F(FRAME_SUITE(FramePluginMessage), UnknownPairsAreNotHandled)
{
    const Route unknown[] = {
        {"No Such Caller", "PD Go", nullptr},  {"PD Menu", "PD Go Now", nullptr},     {"pd menu", "PD Go", nullptr},
        {"PD Tool", "pd mouse down", nullptr}, {"ZB Interface", "Shutdown", nullptr}, {"ZB Cache", "Purge", nullptr},
        {"PD Timer", "PD Update", nullptr},    {nullptr, "PD Go", nullptr},           {"PD Menu", nullptr, nullptr},
        {"ZB Access", "Startup", nullptr},
    };
    for (const Route& route : unknown) {
        EXPECT_EQ(fPlugin.Message(route.caller, route.selector, &fMessage), kUnhandledMsgErr)
            << (route.caller ? route.caller : "(null)") << " / " << (route.selector ? route.selector : "(null)");
    }
    EXPECT_TRUE(Operations().empty());
}

TEST_F(FRAME_SUITE(FramePluginMessage), AboutAndStartupAnswerZeroWithoutAnOperation)
{
    fPlugin.fResult = kTestResult;
    EXPECT_EQ(fPlugin.Message("ZB Interface", "About", &fMessage), kNoErr);
    EXPECT_EQ(fPlugin.Message("ZB Interface", "Startup", &fMessage), kNoErr);
    EXPECT_TRUE(Operations().empty());
}

TEST_F(FRAME_SUITE(FramePluginMessage), PurgeAnswersZeroOrPurgeFailed)
{
    EXPECT_EQ(fPlugin.Message("ZB Cache", "Plug-in Purge", &fMessage), kNoErr);
    fPlugin.fResult = kTestResult;
    EXPECT_EQ(fPlugin.Message("ZB Cache", "Plug-in Purge", &fMessage), kPurgeFailedErr);
    EXPECT_EQ(Operations(), (std::vector<std::string>{"op Purge", "op Purge"}));
}

TEST_F(FRAME_SUITE(FramePluginMessage), UnloadAndReloadReachTheirOperations)
{
    EXPECT_EQ(fPlugin.Message("ZB Access", "Reload", &fMessage), kNoErr);
    EXPECT_TRUE(fPlugin.HoldsSuites());
    EXPECT_EQ(fPlugin.Message("ZB Access", "Unload", &fMessage), kNoErr);
    EXPECT_FALSE(fPlugin.HoldsSuites());
    EXPECT_EQ(Operations(), (std::vector<std::string>{"op ReloadPlugin", "op UnloadPlugin"}));
}

TEST_F(FRAME_SUITE(FramePluginMessage), StartedNotificationRunsPostStartupThenNotifyInsideTheAppContext)
{
    Suites suites;  // holds the Context suite
    fMessage.type = kPDApplicationStartedNotifier;
    fake::State().log.clear();
    EXPECT_EQ(fPlugin.Message("PD Notifier", "PD Notify", &fMessage), kNoErr);
    EXPECT_EQ(fake::State().log,
              (std::vector<std::string>{"PushAppContext", "op PostStartupPlugin", "op Notify", "PopAppContext"}));
}

TEST_F(FRAME_SUITE(FramePluginMessage), NotifyFollowsAnUnhandledPostStartupButNotAFailedOne)
{
    fMessage.type = kPDApplicationStartedNotifier;
    fPlugin.fPostStartupResult = kUnhandledMsgErr;
    EXPECT_EQ(fPlugin.Message("PD Notifier", "PD Notify", &fMessage), kNoErr);
    EXPECT_EQ(Operations(), (std::vector<std::string>{"op PostStartupPlugin", "op Notify"}));

    fake::State().log.clear();
    fPlugin.fPostStartupResult = kTestResult;
    EXPECT_EQ(fPlugin.Message("PD Notifier", "PD Notify", &fMessage), kTestResult);
    EXPECT_EQ(Operations(), std::vector<std::string>{"op PostStartupPlugin"});
}

TEST_F(FRAME_SUITE(FramePluginMessage), OtherNotificationsReachOnlyNotifyAndOnlyForThePdNotifySelector)
{
    fMessage.type = kPDArtSelectionChangedNotifier;
    EXPECT_EQ(fPlugin.Message("PD Notifier", "PD Notify", &fMessage), kNoErr);
    EXPECT_EQ(Operations(), std::vector<std::string>{"op Notify"});

    fake::State().log.clear();
    EXPECT_EQ(fPlugin.Message("PD Notifier", "PD Something Else", &fMessage), kNoErr);
    fMessage.type = kPDApplicationStartedNotifier;
    EXPECT_EQ(fPlugin.Message("PD Notifier", "PD Something Else", &fMessage), kNoErr);
    EXPECT_EQ(Operations(), std::vector<std::string>{"op PostStartupPlugin"});
}

TEST_F(FRAME_SUITE(FramePluginMessage), ANotifierMessageWithoutTypeOrRecordIsHandledWithoutACrash)
{
    fMessage.type = nullptr;
    EXPECT_EQ(fPlugin.Message("PD Notifier", "PD Notify", &fMessage), kNoErr);
    EXPECT_EQ(fPlugin.Message("PD Notifier", "PD Notify", nullptr), kNoErr);
    EXPECT_EQ(Operations(), (std::vector<std::string>{"op Notify", "op Notify"}));
}

TEST(FRAME_SUITE(FrameReloadMessage), IsExactlyAccessReload)
{
    EXPECT_TRUE(Plugin::IsReloadMsg("ZB Access", "Reload"));
    EXPECT_FALSE(Plugin::IsReloadMsg("ZB Access", "Unload"));
    EXPECT_FALSE(Plugin::IsReloadMsg("ZB Access", "reload"));
    EXPECT_FALSE(Plugin::IsReloadMsg("ZB Interface", "Reload"));
    EXPECT_FALSE(Plugin::IsReloadMsg(nullptr, "Reload"));
    EXPECT_FALSE(Plugin::IsReloadMsg("ZB Access", nullptr));
}
