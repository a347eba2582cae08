#include "platform/Platform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "EnvironmentGuard.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

const char* const kKey = "Software\\Varrow KT Corporation\\Talvex\\Folder";
const fs::path kKeyFolder = fs::path("Software") / "Varrow KT Corporation" / "Talvex" / "Folder";

void WriteValue(const fs::path& root, const std::string& value)
{
    fs::create_directories(root / kKeyFolder);
    std::ofstream(root / kKeyFolder / "Path", std::ios::binary) << value;
}

// The value "Path" of the key under root, read with a 260-byte buffer; "<none>" when something fails.
std::string ReadPath(platform::RegistryRoot root)
{
    platform::RegistryKeyRef key = platform::OpenRegistryKey(root, kKey);
    if (key == nullptr) {
        return "<none>";
    }
    char buffer[260];
    uint32_t size = sizeof buffer;
    const bool read = platform::QueryRegistryValue(key, "Path", buffer, &size);
    EXPECT_TRUE(platform::CloseRegistryKey(key));
    return read ? std::string(buffer, size) : "<none>";
}

class PlatformRegistry : public ::testing::Test {
protected:
    TempFolder fUser;
    TempFolder fMachine;
    EnvironmentGuard fHkcu{"PENDRAKE_REGISTRY_HKCU", nullptr};
    EnvironmentGuard fHklm{"PENDRAKE_REGISTRY_HKLM", nullptr};
    EnvironmentGuard fXdg{"XDG_CONFIG_HOME", fUser.Path().c_str()};
};

TEST_F(PlatformRegistry, CurrentUserIsTheConfigFolderAndOverridesNameEachRoot)
{
    WriteValue(fUser.Path(), "/opt/talvex/talvex");
    EXPECT_EQ(ReadPath(platform::RegistryRoot::kCurrentUser), "/opt/talvex/talvex");

    // Without XDG_CONFIG_HOME the folder is ~/.config.
    TempFolder home;
    WriteValue(home.Path() / ".config", "from home");
    {
        EnvironmentGuard noXdg("XDG_CONFIG_HOME", nullptr);
        EnvironmentGuard homeFolder("HOME", home.Path().c_str());
        EXPECT_EQ(ReadPath(platform::RegistryRoot::kCurrentUser), "from home");
    }

    // The test overrides come before the defaults, and each root reads its own folder.
    TempFolder overridden;
    WriteValue(overridden.Path(), "user");
    WriteValue(fMachine.Path(), "machine");
    EnvironmentGuard hkcu("PENDRAKE_REGISTRY_HKCU", overridden.Path().c_str());
    EnvironmentGuard hklm("PENDRAKE_REGISTRY_HKLM", fMachine.Path().c_str());
    EXPECT_EQ(ReadPath(platform::RegistryRoot::kCurrentUser), "user");
    EXPECT_EQ(ReadPath(platform::RegistryRoot::kLocalMachine), "machine");
    fs::remove(fMachine.Path() / kKeyFolder / "Path");
    EXPECT_EQ(ReadPath(platform::RegistryRoot::kLocalMachine), "<none>");
}

TEST_F(PlatformRegistry, ValueOfExactlyTheBufferSizeIsReadWithoutNulAndOneByteMoreIsRefused)
{
    WriteValue(fUser.Path(), std::string("C:\\T\0x", 6));
    platform::RegistryKeyRef key = platform::OpenRegistryKey(platform::RegistryRoot::kCurrentUser, kKey);
    ASSERT_NE(key, nullptr);

    std::array<char, 8> buffer;
    buffer.fill('#');
    uint32_t size = 6;
    ASSERT_TRUE(platform::QueryRegistryValue(key, "Path", buffer.data(), &size));
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(std::string(buffer.data(), buffer.size()), std::string("C:\\T\0x##", 8));

    buffer.fill('#');
    size = 5;
    EXPECT_FALSE(platform::QueryRegistryValue(key, "Path", buffer.data(), &size));
    EXPECT_EQ(buffer[5], '#');

    // A larger buffer: only the value's bytes are stored, and no terminator is added.
    buffer.fill('#');
    size = 8;
    ASSERT_TRUE(platform::QueryRegistryValue(key, "Path", buffer.data(), &size));
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(buffer[6], '#');
    EXPECT_TRUE(platform::CloseRegistryKey(key));
}

TEST_F(PlatformRegistry, RefusesNamesThatLeaveTheKeyAndWhatIsNoValue)
{
    WriteValue(fUser.Path(), "x");
    fs::create_directories(fUser.Path() / kKeyFolder / "Sub");
    std::ofstream(fUser.Path() / "Secret") << "outside";
    const auto root = platform::RegistryRoot::kCurrentUser;

    for (const char* bad : {"Software\\..\\Software", "Software\\\\Varrow KT Corporation", "Software\\", "\\Software",
                            "Software\\.", "..", "Software\\Missing", "Secret"}) {
        EXPECT_EQ(platform::OpenRegistryKey(root, bad), nullptr) << bad;
    }

    platform::RegistryKeyRef key = platform::OpenRegistryKey(root, kKey);
    ASSERT_NE(key, nullptr);
    char buffer[16];
    for (const char* bad : {"../../../../Secret", "a/b", "..", ".", "", "Sub", "Missing"}) {
        uint32_t size = sizeof buffer;
        EXPECT_FALSE(platform::QueryRegistryValue(key, bad, buffer, &size)) << bad;
    }
    uint32_t size = sizeof buffer;
    EXPECT_FALSE(platform::QueryRegistryValue(key, "Path", buffer, nullptr));
    EXPECT_FALSE(platform::QueryRegistryValue(key, "Path", nullptr, &size));
    EXPECT_TRUE(platform::CloseRegistryKey(key));
    EXPECT_FALSE(platform::CloseRegistryKey(nullptr));

    // The empty key name is the root itself.
    key = platform::OpenRegistryKey(root, "");
    ASSERT_NE(key, nullptr);
    size = sizeof buffer;
    ASSERT_TRUE(platform::QueryRegistryValue(key, "Secret", buffer, &size));
    EXPECT_EQ(std::string(buffer, size), "outside");
    EXPECT_TRUE(platform::CloseRegistryKey(key));
}

TEST_F(PlatformRegistry, AValueThatIsAFifoOrADeviceIsAbsentAndNeverRead)
{
    const fs::path value = fUser.Path() / kKeyFolder / "Path";
    fs::create_directories(value.parent_path());
    // Nobody writes to the FIFO: reading it would wait for ever.
    ASSERT_EQ(mkfifo(value.c_str(), 0600), 0);
    EXPECT_EQ(ReadPath(platform::RegistryRoot::kCurrentUser), "<none>");
    fs::remove(value);
    fs::create_symlink("/dev/zero", value);
    EXPECT_EQ(ReadPath(platform::RegistryRoot::kCurrentUser), "<none>");
}

}  // namespace
