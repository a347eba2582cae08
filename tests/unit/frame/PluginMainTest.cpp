#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Edition.h"
#include "FakeHost.h"
#include "FrameTestNames.h"
#include "PluginMain.h"
#include "RecordingPlugin.h"
#include "Suites.h"

namespace {

constexpr ZBErr kTestResult = PD_FOURCC('T', 'E', 'S', 'T');
std::vector<ZBErr> gShown;

void RecordShown(ZBPlugin*, ZBErr code) { gShown.push_back(code); }
std::time_t FixedClock() { return 1000; }

class FRAME_SUITE(FramePluginMain) : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        gShown.clear();
        Plugin::SetErrorShownHook(RecordShown);
        Plugin::SetClock(FixedClock);
        fMessage.d = {fake::PluginRef(), nullptr, fake::Basic()};
    }
    void TearDown() override
    {
        if (fMessage.d.globals) PluginMain("ZB Interface", "Shutdown", &fMessage);
        Plugin::SetErrorShownHook(nullptr);
        Plugin::SetClock(nullptr);
    }

    ZBErr Send(const char* caller, const char* selector) { return PluginMain(caller, selector, &fMessage); }
    RecordingPlugin* Object() const { return static_cast<RecordingPlugin*>(static_cast<Plugin*>(fMessage.d.globals)); }
    std::vector<std::string> Operations() const { return fake::LogLines("op "); }

    PDNotifierMessage fMessage{};
};

}  // namespace

TEST_F(FRAME_SUITE(FramePluginMain), StartupKeepsTheObjectInTheGlobalsSlotUntilShutdown)
{
    EXPECT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    ASSERT_NE(Object(), nullptr);
    EXPECT_TRUE(Object()->HoldsSuites());
    EXPECT_EQ(fake::LogLines("SetPluginName"), std::vector<std::string>{"SetPluginName Plugin"});
    EXPECT_EQ(fake::LogLines("AddNotifier"),
              std::vector<std::string>{"AddNotifier Plugin App Started Notifier | PD Application Started Notifier"});
    EXPECT_EQ(fake::LogLines("AcquirePlugin"), std::vector<std::string>{"AcquirePlugin"});

    EXPECT_EQ(Send("ZB Interface", "Shutdown"), kNoErr);
    EXPECT_EQ(fMessage.d.globals, nullptr);
    EXPECT_EQ(fake::LogLines("release ").size(), 10u);
    EXPECT_TRUE(fake::LogLines("ReleasePlugin").empty());  // shut-down keeps the lock
    EXPECT_TRUE(gShown.empty());
}

TEST_F(FRAME_SUITE(FramePluginMain), AFailedStartupDestroysTheObjectAndReportsWithoutIt)
{
    fake::State().acquireErrors["PD User Suite"] = kTestResult;
    EXPECT_EQ(Send("ZB Interface", "Startup"), kTestResult);
    EXPECT_EQ(fMessage.d.globals, nullptr);
    EXPECT_EQ(gShown, std::vector<ZBErr>{kTestResult});
    EXPECT_EQ(fake::LogLines("release ").size(), 4u);  // the suites acquired before the failure
    EXPECT_EQ(Send("PD Menu", "PD Go"), kNoErr);       // no object: nothing to dispatch to
    EXPECT_TRUE(Operations().empty());
}

TEST_F(FRAME_SUITE(FramePluginMain), AMissingSuiteIsReturnedButQuiet)
{
    fake::State().acquireErrors["PD Folders Suite"] = kSuiteNotFoundErr;
    EXPECT_EQ(Send("ZB Interface", "Startup"), kSuiteNotFoundErr);
    EXPECT_EQ(fMessage.d.globals, nullptr);
    EXPECT_TRUE(gShown.empty());
}

TEST_F(FRAME_SUITE(FramePluginMain), UnhandledMessagesAnswerZero)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Send("No Such Caller", "PD Go"), kNoErr);
    EXPECT_EQ(Send("PD Menu", "No Such Selector"), kNoErr);
    EXPECT_EQ(Send(nullptr, nullptr), kNoErr);
    const std::string warnings = testing::internal::GetCapturedStderr();
    if constexpr (kMacEdition) {
        EXPECT_EQ(warnings,
                  "Warning: Unhandled plugin message: caller \"No Such Caller\" selector \"PD Go\"\n"
                  "Warning: Unhandled plugin message: caller \"PD Menu\" selector \"No Such Selector\"\n"
                  "Warning: Unhandled plugin message: caller \"(null)\" selector \"(null)\"\n");
    } else {
        EXPECT_EQ(warnings, "");
    }
    EXPECT_TRUE(gShown.empty());
}

TEST_F(FRAME_SUITE(FramePluginMain), AnOperationsErrorIsReturnedAndReportedOnceWithinTheWindow)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    Object()->fResult = kTestResult;
    EXPECT_EQ(Send("PD Menu", "PD Go"), kTestResult);
    EXPECT_EQ(Send("PD Menu", "PD Go"), kTestResult);
    EXPECT_EQ(gShown, std::vector<ZBErr>{kTestResult});
}

TEST_F(FRAME_SUITE(FramePluginMain), AfterUnloadMessagesAreAnsweredWithoutDispatch)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    EXPECT_EQ(Send("ZB Access", "Unload"), kNoErr);
    EXPECT_FALSE(Object()->HoldsSuites());
    EXPECT_EQ(fake::LogLines("release ").size(), 10u);
    EXPECT_EQ(Send("PD Menu", "PD Go"), kNoErr);
    EXPECT_EQ(Operations(), std::vector<std::string>{"op UnloadPlugin"});
}

TEST_F(FRAME_SUITE(FramePluginMain), ReloadFixesTheObjectBeforeReloadingAndDispatchResumes)
{
    ASSERT_EQ(Send("ZB Interface", "Startup"), kNoErr);
    ASSERT_EQ(Send("ZB Access", "Unload"), kNoErr);
    fake::State().log.clear();

    EXPECT_EQ(Send("ZB Access", "Reload"), kNoErr);
    EXPECT_TRUE(Object()->HoldsSuites());
    EXPECT_EQ(Suites::fAcquiredCount, 1);
    const std::vector<std::string>& log = fake::State().log;
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "FixupReload");
    EXPECT_EQ(log[1], "op ReloadPlugin");
    EXPECT_EQ(fake::LogLines("acquire ").size(), 10u);

    EXPECT_EQ(Send("PD Menu", "PD Go"), kNoErr);
    EXPECT_EQ(fake::LogLines("op GoMenuItem").size(), 1u);
}

TEST_F(FRAME_SUITE(FramePluginMain), BadInputIsRefusedWithoutACrash)
{
    EXPECT_EQ(PluginMain("ZB Interface", "Startup", nullptr), kBadParameterErr);
    EXPECT_EQ(PluginMain(nullptr, nullptr, nullptr), kBadParameterErr);

    fMessage.d.basic = nullptr;
    EXPECT_EQ(Send("ZB Interface", "Startup"), kBadParameterErr);
    EXPECT_EQ(fMessage.d.globals, nullptr);
    EXPECT_EQ(Send("ZB Interface", "Shutdown"), kNoErr);
    EXPECT_TRUE(fake::State().log.empty());
}
