#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ElfDynamicSymbols.h"
#include "platform/Platform.h"

namespace {

const std::string kAppDir = MARKPLUG_APP_DIR;
const std::string kTestLibsDir = MARKPLUG_TEST_LIBS_DIR;

const std::vector<std::string> kEntryPoints{"WireletLoadExtension", "WireletUnloadExtension", "WireletAddEventListener",
                                            "WireletRemoveEventListener", "WireletDispatchEvent"};
const std::vector<std::string> kFileNames{"WireletFenn.dll", "Wirelet.dll", "Frameworks/Wirelet.framework/Wirelet"};

std::set<std::string> EntryPointsWithout(const std::string& omitted)
{
    std::set<std::string> names(kEntryPoints.begin(), kEntryPoints.end());
    names.erase(omitted);
    return names;
}

// Every defined dynamic name of the file is one of the expected ones, and each expected one resolves.
void ExpectExportsExactly(const std::string& path, const std::set<std::string>& expected)
{
    EXPECT_EQ(DefinedDynamicSymbols(path), expected) << path;
    platform::ModuleHandle module = platform::LoadModule(path);
    ASSERT_NE(module, nullptr) << platform::LastModuleError();
    for (const std::string& name : expected) {
        EXPECT_NE(platform::FindSymbol(module, name.c_str()), nullptr) << path << " " << name;
    }
    EXPECT_TRUE(platform::FreeModule(module));
}

TEST(WireletExports, LibraryFilesExportTheFiveEntryPointsAndNothingElse)
{
    for (const std::string& file : kFileNames) {
        ExpectExportsExactly(kAppDir + "/" + file, EntryPointsWithout(""));
    }
}

TEST(WireletExports, TestVariantsExportTheOtherFourAndNothingElse)
{
    for (const std::string& omitted : kEntryPoints) {
        for (const std::string& file : kFileNames) {
            ExpectExportsExactly(kTestLibsDir + "/no-" + omitted + "/" + file, EntryPointsWithout(omitted));
        }
    }
}

TEST(WireletExports, SymbolReaderRefusesAFileThatIsNoModule)
{
    EXPECT_THROW(DefinedDynamicSymbols(std::string(MARKPLUG_SOURCE_DIR) + "/CMakeLists.txt"), std::runtime_error);
}

}  // namespace
