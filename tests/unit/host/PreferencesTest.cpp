// The preference store's file and the Preference suite over it, in both precisions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include "host/Host.h"
#include "host/Preferences.h"
#include "host/RealLayouts.h"
#include "pendrake/PDPreference.h"
#include "pendrake/ZBErrors.h"

namespace {

class PreferenceFiles : public testing::Test {
protected:
    PreferenceFiles()
    {
        std::string folder = (std::filesystem::temp_directory_path() / "prefs-XXXXXX").string();
        fFolder = mkdtemp(folder.data());
    }
    ~PreferenceFiles() override { std::filesystem::remove_all(fFolder); }

    std::string Write(const std::string& text)
    {
        const std::string path = fFolder + "/Pendrake Prefs.txt";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    // The message of the error that loading text gives.
    std::string LoadError(host::Preferences& store, const std::string& text)
    {
        try {
            store.Load(Write(text));
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "(loaded)";
    }

    std::string fFolder;
};

}  // namespace

TEST_F(PreferenceFiles, LoadReadsSectionsKeysAndCommentsAsTheUserWroteThem)
{
    host::Preferences store;
    store.Set("Old", "gone", "1");
    store.Load(
        Write("# settings\r\n\n[TalvexPluginDialog]\r\n  kQRW_cropMachineType = 7 \r\n"
              "kQRW_name=KM 1 = wide\n\t# indented comment\n[ Other ]\nempty =\n"));
    std::string value;
    ASSERT_TRUE(store.Get("TalvexPluginDialog", "kQRW_cropMachineType", value));
    EXPECT_EQ(value, "7");
    ASSERT_TRUE(store.Get("TalvexPluginDialog", "kQRW_name", value));
    EXPECT_EQ(value, "KM 1 = wide");
    ASSERT_TRUE(store.Get("Other", "empty", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(store.Get("Old", "gone", value));
    EXPECT_FALSE(store.Changed());
}

TEST_F(PreferenceFiles, BadLinesAreReportedByLineAndLoadNothing)
{
    host::Preferences store;
    store.Set("A", "kept", "1");
    const std::string path = fFolder + "/Pendrake Prefs.txt";
    EXPECT_EQ(LoadError(store, "[A]\nx = 1\nno equals sign\n"),
              path + ":3: expected \"key = value\", \"[section]\" or \"# comment\"");
    EXPECT_EQ(LoadError(store, "x = 1\n"), path + ":1: key \"x\" comes before any [section]");
    EXPECT_EQ(LoadError(store, "[A]\n = 1\n"), path + ":2: a key is missing before \"=\"");
    EXPECT_EQ(LoadError(store, "\n[A\n"), path + ":2: a section line must end with \"]\"");
    EXPECT_EQ(LoadError(store, "[ ]\n"), path + ":1: bad section name \"\"");
    EXPECT_EQ(LoadError(store, "[A]\nx = 1\n[B]\n[A]\nx = 2\n"), path + ":5: key \"x\" is given twice in [A]");
    std::string value;
    EXPECT_TRUE(store.Get("A", "kept", value));

    std::filesystem::remove(path);
    try {
        store.Load(path);
        ADD_FAILURE() << "a missing file loaded";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), path + ":0: cannot open the file: No such file or directory");
    }
}

TEST_F(PreferenceFiles, LinesUpToTheLimitLoadAndTheStoreKeepsOnlyWhatTheFileCanCarryBack)
{
    host::Preferences store;
    const std::string longest(host::Preferences::kMaxLineBytes - 4, 'v');  // "k = " and the value
    EXPECT_EQ(LoadError(store, "[A]\r\nk = " + longest + "\r\n"), "(loaded)");
    EXPECT_EQ(LoadError(store, "[A]\nk = " + longest + "v\n"),
              fFolder + "/Pendrake Prefs.txt:2: the line is longer than 16384 bytes");

    EXPECT_TRUE(host::Preferences::Storable("A", "k", longest));
    EXPECT_FALSE(host::Preferences::Storable("A", "k", longest + "v"));
    EXPECT_FALSE(host::Preferences::Storable(std::string(host::Preferences::kMaxLineBytes - 1, 'p'), "k", "v"));

    // Entries are taken while the saved file stays within the size limit, and that file loads again.
    host::Preferences full;
    const std::string value(1000, 'v');
    std::size_t count = 0;
    while (full.Fits("A", std::to_string(count), value)) full.Set("A", std::to_string(count++), value);
    const std::string next = std::to_string(count);
    EXPECT_THROW(full.Set("A", next, value), std::invalid_argument);
    EXPECT_TRUE(full.Fits("A", "0", value));  // replacing an entry takes no more room
    const std::string path = fFolder + "/full.txt";
    full.Save(path);
    const std::size_t size = std::filesystem::file_size(path);
    EXPECT_LE(size, host::Preferences::kMaxFileBytes);
    EXPECT_GT(size + next.size() + 3 + value.size() + 1, host::Preferences::kMaxFileBytes);
    host::Preferences reread;
    reread.Load(path);
    EXPECT_EQ(reread.Text(), full.Text());
}

TEST_F(PreferenceFiles, ACarriageReturnInsideALineIsRefusedSoThatEveryEntryReadSavesBack)
{
    host::Preferences store;
    const std::string path = fFolder + "/Pendrake Prefs.txt";
    EXPECT_EQ(LoadError(store, "[A]\r\nx = 2000\r\r\n"), path + ":2: a carriage return may only end a line");
    EXPECT_EQ(LoadError(store, "[A]\nx = 1\r \n"), path + ":2: a carriage return may only end a line");
    EXPECT_EQ(LoadError(store, "[A]\nx\ry = 1\n"), path + ":2: a carriage return may only end a line");
    EXPECT_EQ(LoadError(store, "[A\rB]\nx = 1\n"), path + ":1: a carriage return may only end a line");
    // A comment is not kept, whatever it holds.
    store.Load(Write("# a\rb\n[A]\r\nx = 1\r\n"));
    std::string value;
    ASSERT_TRUE(store.Get("A", "x", value));
    EXPECT_EQ(value, "1");
}

TEST_F(PreferenceFiles, SaveWritesTheFileThroughATemporaryOneAndReadsBackTheSame)
{
    host::Preferences store;
    EXPECT_FALSE(store.Changed());
    store.Set("TalvexPluginDialog", "kQRW_cropMachineType", "7");
    store.Set("TalvexPluginDialog", "kQRW_bleed", "2.5");
    store.Set("Another", "on", "true");
    EXPECT_TRUE(store.Changed());
    const std::string path = Write("old contents");
    store.Save(path);
    EXPECT_FALSE(store.Changed());
    EXPECT_EQ(Read(path),
              "# Preferences of the host, by plug-in: [prefix] lines, then \"key = value\" lines.\n"
              "\n[Another]\non = true\n"
              "\n[TalvexPluginDialog]\nkQRW_bleed = 2.5\nkQRW_cropMachineType = 7\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(fFolder), std::filesystem::directory_iterator()), 1);

    host::Preferences reread;
    reread.Load(path);
    EXPECT_EQ(reread.Text(), store.Text());
    reread.Set("Another", "on", "true");
    EXPECT_FALSE(reread.Changed());
    EXPECT_TRUE(reread.Remove("Another", "on"));
    EXPECT_FALSE(reread.Remove("Another", "on"));
    EXPECT_TRUE(reread.Changed());

    EXPECT_FALSE(host::Preferences::Storable("A]", "k", "v"));
    EXPECT_FALSE(host::Preferences::Storable("A", "k=1", "v"));
    EXPECT_FALSE(host::Preferences::Storable("A", "#k", "v"));
    EXPECT_FALSE(host::Preferences::Storable("A", "k", " v"));
    EXPECT_FALSE(host::Preferences::Storable("A", "k", "v\nw"));
    EXPECT_THROW(store.Set("", "k", "v"), std::invalid_argument);
}

TEST(PreferenceSuite, ValuesOfTheAskedKindOnlyAndTextStored)
{
    host::Host host;
    ZBPlugin plugin;
    plugin.name = "probe";
    const PDAppContextHandle context = host.PushContext(&plugin);
    const void* found = nullptr;
    ASSERT_EQ(host.Suites().Acquire(kPDPreferenceSuite, kPDPreferenceSuiteVersion6, &found, nullptr), kNoErr);
    const auto* wide = static_cast<const PDPreferenceSuite6*>(found);
    ASSERT_EQ(host.Suites().Acquire(kPDPreferenceSuite, kPDPreferenceSuiteVersion1005, &found, nullptr), kNoErr);
    const auto* narrow = static_cast<const host::PreferenceSuiteLayout<float>*>(found);
    host::Preferences& store = host.GetPreferences();

    const char* const kNotIntegers[] = {"7x", "- 7", "2147483648", "-2147483649", "1.0", "", "0x10"};
    for (const char* text : kNotIntegers) {
        store.Set("P", "k", text);
        int32_t value = 99;
        EXPECT_EQ(wide->GetIntegerPreference("P", "k", &value), kNoSuchKeyErr) << text;
        EXPECT_EQ(value, 99) << text;
    }
    store.Set("P", "k", "-2147483648");
    int32_t integer = 0;
    ASSERT_EQ(wide->GetIntegerPreference("P", "k", &integer), kNoErr);
    EXPECT_EQ(integer, -2147483647 - 1);
    EXPECT_EQ(wide->GetIntegerPreference("P", "missing", &integer), kNoSuchKeyErr);

    store.Set("P", "r", "0.1");
    double real = 0;
    float single = 0;
    ASSERT_EQ(wide->GetRealPreference("P", "r", &real), kNoErr);
    EXPECT_EQ(real, 0.1);
    ASSERT_EQ(narrow->GetRealPreference("P", "r", &single), kNoErr);
    EXPECT_EQ(single, 0.1f);
    store.Set("P", "r", "1e39");
    single = 3;
    EXPECT_EQ(narrow->GetRealPreference("P", "r", &single), kNoSuchKeyErr);
    EXPECT_EQ(single, 3);
    store.Set("P", "r", "nan");
    EXPECT_EQ(wide->GetRealPreference("P", "r", &real), kNoSuchKeyErr);

    ZBBoolean flag = 7;
    store.Set("P", "b", "yes");
    EXPECT_EQ(wide->GetBooleanPreference("P", "b", &flag), kNoSuchKeyErr);
    EXPECT_EQ(flag, 7);
    store.Set("P", "b", "0");
    ASSERT_EQ(wide->GetBooleanPreference("P", "b", &flag), kNoErr);
    EXPECT_EQ(flag, 0);

    ASSERT_EQ(wide->PutIntegerPreference("Q", "i", -7), kNoErr);
    ASSERT_EQ(narrow->PutRealPreference("Q", "r", 0.1f), kNoErr);
    ASSERT_EQ(wide->PutRealPreference("Q", "w", 841.8898), kNoErr);
    ASSERT_EQ(wide->PutBooleanPreference("Q", "b", 1), kNoErr);
    std::string text;
    const std::pair<const char*, const char*> kStored[] = {{"i", "-7"}, {"r", "0.1"}, {"w", "841.8898"}, {"b", "true"}};
    for (const auto& [key, expected] : kStored) {
        ASSERT_TRUE(store.Get("Q", key, text)) << key;
        EXPECT_EQ(text, expected) << key;
    }
    EXPECT_EQ(wide->PutRealPreference("Q", "r", std::numeric_limits<double>::infinity()), kBadParameterErr);
    EXPECT_EQ(wide->PutIntegerPreference("Q", "bad=key", 1), kBadParameterErr);
    EXPECT_EQ(wide->PutIntegerPreference(nullptr, "i", 1), kBadParameterErr);
    EXPECT_EQ(wide->PutIntegerPreference("Q", std::string(host::Preferences::kMaxLineBytes, 'k').c_str(), 1),
              kBadParameterErr);  // a line the file could not carry back
    EXPECT_EQ(wide->RemovePreference("Q", "i"), kNoErr);
    EXPECT_EQ(wide->RemovePreference("Q", "i"), kNoSuchKeyErr);
    EXPECT_TRUE(host.GetChecks().Violations().empty());
    host.PopContext(context);
}
