// Naming the cut data file the plug-in makes while it starts: only files of the name that appear during the watch
// and are still there at its end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CutDataFileWatch.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& path) { std::ofstream(path) << "x"; }

class TemporaryFolderIs {
public:
    explicit TemporaryFolderIs(const std::string& folder)
    {
        if (const char* old = std::getenv("TMPDIR")) fOld = old;
        setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolderIs() { fOld.empty() ? unsetenv("TMPDIR") : setenv("TMPDIR", fOld.c_str(), 1); }

private:
    std::string fOld;
};

class CutDataFileWatch : public testing::TestWithParam<pendrake::CutDataFileWatch::Means> {};

TEST_P(CutDataFileWatch, NamesOnlyTheCutDataFilesThatAppearAndStay)
{
    TempFolder folder;
    const fs::path in = folder.Path();
    TemporaryFolderIs temporary(in.string());
    Touch(in / "~TX0001.TMP");  // an earlier run's
    pendrake::CutDataFileWatch watch(GetParam());
    Touch(in / "~TXBEEF.TMP");
    Touch(in / "~TX1234.TMP");
    Touch(in / "~TXGONE.TMP");
    fs::remove(in / "~TXGONE.TMP");
    Touch(in / "other.TMP");
    Touch(in / "~TX.TMP");
    Touch(in / "~TXABCD.TMP.saving");
    fs::rename(in / "other.TMP", in / "~TXMOVE.TMP");  // renamed into the name counts too
    EXPECT_EQ(watch.Collect(), (std::vector<std::string>{(in / "~TX1234.TMP").string(), (in / "~TXBEEF.TMP").string(),
                                                         (in / "~TXMOVE.TMP").string()}));
}

TEST_P(CutDataFileWatch, NothingInAFolderThatIsNotThere)
{
    TempFolder folder;
    TemporaryFolderIs temporary((folder.Path() / "missing").string());
    pendrake::CutDataFileWatch watch(GetParam());
    EXPECT_TRUE(watch.Collect().empty());
}

INSTANTIATE_TEST_SUITE_P(WatchedAndListed, CutDataFileWatch,
                         testing::Values(pendrake::CutDataFileWatch::Means::Watching,
                                         pendrake::CutDataFileWatch::Means::Listing));

TEST(CutDataFileName, IsTildeTxSomethingDotTmp)
{
    EXPECT_TRUE(pendrake::IsCutDataFileName("~TX1.TMP"));
    EXPECT_TRUE(pendrake::IsCutDataFileName("~TXF91D.TMP"));
    EXPECT_FALSE(pendrake::IsCutDataFileName("~TX.TMP"));
    EXPECT_FALSE(pendrake::IsCutDataFileName("TXF91D.TMP"));
    EXPECT_FALSE(pendrake::IsCutDataFileName("~TXF91D.tmp"));
    EXPECT_FALSE(pendrake::IsCutDataFileName("~TXF91D.TMP~"));
}

}  // namespace
