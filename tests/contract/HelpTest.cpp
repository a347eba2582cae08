// Operation 12 opens a help page with the desktop's opener, here a recorder program: the Windows feature set a
// page beside the plug-in module, named by the panel; the macOS one a fixed page
// beside the host's current folder. Nothing is sent back.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "CutDocuments.h"
#include "CutOutputSandbox.h"

using testing_support::CutOutputSandbox;
using testing_support::MarkplugHost;
using testing_support::Payload;

namespace {

using Records = std::vector<std::vector<std::string>>;

std::string PluginFolder(const std::string& edition) { return std::string(MARKPLUG_PLUGINS_DIR) + "/" + edition; }

std::string Help(const char* fileName) { return Payload(12, {{"FileName", fileName}}); }

}  // namespace

TEST(Help, OpensThePageBesideThePluginModule)
{
    CutOutputSandbox sandbox;
    MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Bus().ClearEvents();
    const std::string longest(259, 'n');  // with its terminator, the longest name that fits
    h.Click(Help("frame.html"));
    h.Click(Payload(12));  // no name: the plug-in's folder
    h.Click(Help(longest.c_str()));
    auto records = sandbox.WaitForRecords(3);
    std::sort(records.begin(), records.end());
    const std::string folder = PluginFolder("windows") + "/";
    EXPECT_EQ(records, (Records{{MARKPLUG_ARGV_RECORDER, folder},
                                {MARKPLUG_ARGV_RECORDER, folder + "frame.html"},
                                {MARKPLUG_ARGV_RECORDER, folder + longest}}));
    EXPECT_EQ(testing_support::SentEvents(h), std::vector<std::string>{});
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
}

// The names refused are listed in the unit test of the page path; here one of each kind goes through the module.
TEST(Help, ANameThatLeavesThePluginFolderOrDoesNotFitOpensNothing)
{
    CutOutputSandbox sandbox;
    MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(Help("../secret.html"));
    h.Click(Help("C:\\Windows\\win.ini"));
    h.Click(Help(std::string(260, 'a').c_str()));
    h.Click(Help("help/..x/frame.html"));  // "..x" is a name, not the parent folder
    EXPECT_EQ(sandbox.WaitForRecords(1),
              (Records{{MARKPLUG_ARGV_RECORDER, PluginFolder("windows") + "/help/..x/frame.html"}}));
}

TEST(Help, WithoutTheModuleInformationNothingOpens)
{
    CutOutputSandbox sandbox;
    MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Host().GetFaults().FailCall("GetPlatformAccessInfo", kBadObjectErr, 1);
    h.Click(Help("refused.html"));
    h.Host().GetFaults().FailCall("GetPluginAccess", kBadParameterErr, 1);
    h.Click(Help("refused.html"));
    h.Click(Help("frame.html"));
    EXPECT_EQ(sandbox.WaitForRecords(1), (Records{{MARKPLUG_ARGV_RECORDER, PluginFolder("windows") + "/frame.html"}}));
}

TEST(Help, TheMacosEditionOpensItsOnePageOnSystemsThatCan)
{
    CutOutputSandbox sandbox;
    const std::string hostFolder = sandbox.EnterMacHostFolder();
    MarkplugHost h("macos");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(Help("other.html"));  // no page yet: nothing is opened
    const std::string page = sandbox.Folder() + "/Applications/Talvex/Help/frame.html";
    std::filesystem::create_directories(sandbox.Folder() + "/Applications/Talvex/Help");
    std::ofstream(page) << "<html></html>";
    sandbox.SetSystemVersion("0x0ff9");  // before 10.0: no file-system references, nothing opened
    h.Click(Help("other.html"));
    sandbox.SetSystemVersion("");
    h.Click(Help("other.html"));
    EXPECT_EQ(sandbox.WaitForRecords(1), (Records{{MARKPLUG_ARGV_RECORDER, page}}));
    EXPECT_EQ(sandbox.RecordCount(), 1u);
}
