// Operation 12 under Windows: ShellExecuteA "open" on the page beside the plug-in module, which the system hands
// to the program associated with the page's type. The test registers that association as a user's program does,
// under HKEY_CURRENT_USER\Software\Classes, with the recorder as the program. Wine (8.0) reads associations from
// HKEY_CLASSES_ROOT alone, without the user's classes merged in as Windows does, so the same keys go there too.
#include <windows.h>
#undef FreeModule  // the old macro would rename platform::FreeModule

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CutDocuments.h"
#include "CutOutputSandbox.h"

namespace fs = std::filesystem;

namespace {

constexpr char kExtension[] = ".markplughelp";
constexpr char kProgramId[] = "MarkplugTest.HelpPage";
const std::pair<HKEY, std::string> kClassFolders[] = {{HKEY_CURRENT_USER, "Software\\Classes\\"},
                                                      {HKEY_CLASSES_ROOT, ""}};

void SetDefaultValue(HKEY root, const std::string& key, const std::string& value)
{
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1)),
              ERROR_SUCCESS);
    RegCloseKey(opened);
}

class HelpAssociation : public testing::Test {
protected:
    void SetUp() override
    {
        fOpener = fSandbox.RecorderLink("Help Viewer/open page");
        const std::string command = "\"" + fOpener + "\" \"%1\"";
        for (const auto& [root, folder] : kClassFolders) {
            SetDefaultValue(root, folder + kExtension, kProgramId);
            SetDefaultValue(root, folder + kProgramId + "\\shell\\open\\command", command);
        }
        fPage = fs::path(std::string(MARKPLUG_PLUGINS_DIR) + "/windows/guide" + kExtension);
        std::ofstream(fPage) << "<p>help</p>";
    }
    void TearDown() override
    {
        for (const auto& [root, folder] : kClassFolders) {
            RegDeleteTreeA(root, (folder + kExtension).c_str());
            RegDeleteTreeA(root, (folder + kProgramId).c_str());
        }
        std::error_code error;
        fs::remove(fPage, error);
    }

    testing_support::CutOutputSandbox fSandbox;
    std::string fOpener;
    fs::path fPage;
};

}  // namespace

TEST_F(HelpAssociation, ThePageBesideTheModuleOpensInTheAssociatedProgram)
{
    testing_support::MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Bus().ClearEvents();
    h.Click(testing_support::Payload(12, {{"FileName", "guide.markplughelp"}}));
    const auto records = fSandbox.WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].size(), 2u);
    EXPECT_EQ(records[0][0], fOpener);  // the program's path with its blank, quoted on its command line
    EXPECT_TRUE(fs::equivalent(records[0][1], fPage)) << records[0][1];
    EXPECT_EQ(testing_support::SentEvents(h), std::vector<std::string>{});
}

TEST_F(HelpAssociation, APageThatDoesNotExistOpensNothingAndSendsNothing)
{
    testing_support::MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Bus().ClearEvents();
    h.Click(testing_support::Payload(12, {{"FileName", "missing.markplughelp"}}));
    h.Click(testing_support::Payload(12, {{"FileName", "guide.markplughelp"}}));
    EXPECT_EQ(fSandbox.WaitForRecords(1).size(), 1u);  // only the page that exists
    EXPECT_EQ(testing_support::SentEvents(h), std::vector<std::string>{});
}
