#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeHost.h"
#include "FrameTestNames.h"
#include "PluginMain.h"
#include "SDKWirelet.h"
#include "Suites.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogPlugin.h"
#include "WireletFolder.h"

namespace {

const char* const kOperationClicked = "com.varrowkt.talvex.OperationClicked";

constexpr ZBErr kTestResult = PD_FOURCC('T', 'E', 'S', 'T');
std::vector<ZBErr> gShown;
void RecordShown(ZBPlugin*, ZBErr code) { gShown.push_back(code); }

class FRAME_SUITE(FramePanelLink) : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        gShown.clear();
        sZBBasic = fake::Basic();
        fMessage.d = {fake::PluginRef(), nullptr, fake::Basic()};
    }
    void TearDown() override
    {
        if (fMessage.d.globals) PluginMain("ZB Interface", "Shutdown", &fMessage);
        Plugin::SetErrorShownHook(nullptr);
    }

    // Starts markplug with the panel service library found in folder.
    void Start(const WireletFolder& folder)
    {
        fake::State().folder = folder.Path();
        ASSERT_EQ(PluginMain("ZB Interface", "Startup", &fMessage), kNoErr);
        ASSERT_NE(gPlugin, nullptr);
    }
    void Notify(const char* type)
    {
        fMessage.notifier = fake::State().notifiers[type];
        fMessage.type = type;
        EXPECT_EQ(PluginMain("PD Notifier", "PD Notify", &fMessage), kNoErr);
    }

    PDNotifierMessage fMessage{};
};

}  // namespace

// The listener itself is pinned by the contract tests on the host substitute; here the firewall's report, which
// only the frame's error hook shows.
TEST_F(FRAME_SUITE(FramePanelLink), AHostCallFailingInsideAnEventIsReportedAndTheNextEventIsHandled)
{
    WireletFolder folder(FAKE_WIRELET_FULL, "full");
    Start(folder);
    Notify(kPDWireletSetupCompleteNotifier);
    Plugin::SetErrorShownHook(RecordShown);
    const std::size_t logged = folder.Log().size();
    const auto sent = [&] { return folder.Log().substr(logged); };

    fake::State().stringErrors["Substring"] = kTestResult;  // reading the operation throws pd::Error
    folder.Send(kOperationClicked, "<payload><operation>14</operation></payload>");
    EXPECT_EQ(gShown, std::vector<ZBErr>{kTestResult});
    EXPECT_EQ(sent(), "");  // the redraw was never reached
    EXPECT_EQ(fake::State().liveStrings, 0);
    EXPECT_EQ(fake::State().pushedContexts, 0);

    fake::State().stringErrors["NewString"] = kOutOfMemoryErr;  // the payload itself
    folder.Send(kOperationClicked, "<payload><operation>14</operation></payload>");
    EXPECT_EQ(gShown, (std::vector<ZBErr>{kTestResult, kOutOfMemoryErr}));
    EXPECT_EQ(fake::State().liveStrings, 0);

    folder.Send(kOperationClicked, "<payload><operation>14</operation></payload>");
    folder.Send(kOperationClicked, nullptr);  // the empty payload names no operation
    EXPECT_EQ(sent(),
              "DispatchEvent com.varrowkt.talvex.TalvexRedrawPreview 1 MarkedObjectsUpdatePanel (null) "
              "<payload></payload>\n");
    EXPECT_EQ(gShown.size(), 2u);
    EXPECT_EQ(fake::State().liveStrings, 0);
    EXPECT_EQ(fake::State().pushedContexts, 0);
    Plugin::SetErrorShownHook(nullptr);
}

TEST_F(FRAME_SUITE(FramePanelLink), TheControllerForwardsExtensionAndListenerCalls)
{
    WireletFolder folder(FAKE_WIRELET_FULL, "full");
    Start(folder);
    TalvexGlimtUIController* controller = gPlugin->Controller();
    EXPECT_EQ(controller->LoadExtension(), 7);
    EXPECT_EQ(controller->UnloadExtension(), 7);
    EXPECT_EQ(controller->RegisterTRMLEventListeners(), 0);
    EXPECT_EQ(controller->RemoveEventListeners(), 0);
    EXPECT_EQ(controller->SendData(), 0);
    EXPECT_EQ(folder.Log(), std::string("LoadExtension com.varrowkt.talvex.panel\n"
                                        "UnloadExtension com.varrowkt.talvex.panel\n"
                                        "AddEventListener ") +
                                kOperationClicked + "\nRemoveEventListener " + kOperationClicked + "\n");
    // Removed: an event of the type reaches nobody.
    fake::State().log.clear();
    folder.Send(kOperationClicked, "<payload></payload>");
    EXPECT_TRUE(fake::State().log.empty());
}

TEST_F(FRAME_SUITE(FramePanelLink), ListenerCallsWithoutEventOrContextDoNothing)
{
    WireletFolder folder(FAKE_WIRELET_FULL, "full");
    Start(folder);
    fake::State().log.clear();
    const TrmlEvent event = {kOperationClicked, 1, "Panel", nullptr, "<payload></payload>"};
    OperationFunc(nullptr, gPlugin->Controller());
    OperationFunc(&event, nullptr);
    EXPECT_TRUE(fake::State().log.empty());
}

TEST_F(FRAME_SUITE(FramePanelLink), WithoutTheDispatchEntryPointNothingIsSent)
{
    WireletFolder folder(FAKE_WIRELET_NO_DISPATCH, "no-dispatch");
    fake::State().folder = folder.Path();
    SDKWirelet wirelet;
    EXPECT_EQ(wirelet.Load(sPDFolders), kCantHappenErr);  // not yet acquired: no Folders suite

    Suites suites;
    EXPECT_EQ(wirelet.Load(sPDFolders), kCantHappenErr);
    const TrmlEvent event = {"com.varrowkt.talvex.TalvexRedrawPreview", 1, "MarkedObjectsUpdatePanel", nullptr,
                             "<payload></payload>"};
    EXPECT_EQ(wirelet.DispatchEvent(&event), 1);
    // The four entry points found before the missing one stay bound.
    EXPECT_EQ(wirelet.LoadExtension("x"), 7);
    EXPECT_EQ(wirelet.AddEventListener("t", OperationFunc, nullptr), 0);
    EXPECT_EQ(wirelet.RemoveEventListener("t", OperationFunc, nullptr), 0);
    EXPECT_EQ(folder.Log(), "LoadExtension x\nAddEventListener t\nRemoveEventListener t\n");
    EXPECT_EQ(wirelet.Unload(), kNoErr);
    EXPECT_EQ(wirelet.LoadExtension("x"), 0);
}

TEST_F(FRAME_SUITE(FramePanelLink), EntryPointsAfterTheFirstMissingOneStayUnbound)
{
    WireletFolder folder(FAKE_WIRELET_NO_ADD_LISTENER, "no-add-listener");
    fake::State().folder = folder.Path();
    Suites suites;
    SDKWirelet wirelet;
    EXPECT_EQ(wirelet.Load(sPDFolders), kCantHappenErr);
    EXPECT_EQ(wirelet.LoadExtension("x"), 7);
    EXPECT_EQ(wirelet.UnloadExtension("x"), 7);
    EXPECT_EQ(wirelet.AddEventListener("t", OperationFunc, nullptr), 1);
    EXPECT_EQ(wirelet.RemoveEventListener("t", OperationFunc, nullptr), 1);
    const TrmlEvent event = {"t", 1, "s", nullptr, ""};
    EXPECT_EQ(wirelet.DispatchEvent(&event), 1);
    EXPECT_EQ(folder.Log(), "LoadExtension x\nUnloadExtension x\n");
}

TEST_F(FRAME_SUITE(FramePanelLink), TheFolderErrorIsReturnedAndAMissingFileIsCant)
{
    Suites suites;
    SDKWirelet wirelet;
    EXPECT_EQ(wirelet.Load(sPDFolders), kNoSuchFolderErr);
    fake::State().folder = ::testing::TempDir() + "markplug-frame-no-such-folder";
    EXPECT_EQ(wirelet.Load(sPDFolders), kCantHappenErr);
    EXPECT_EQ(wirelet.AddEventListener("t", OperationFunc, nullptr), 1);
    EXPECT_EQ(fake::State().liveStrings, 0);
    EXPECT_EQ(fake::State().livePaths, 0);
}
