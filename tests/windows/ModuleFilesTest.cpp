// The module files as the Windows host finds them: the plug-in property list read back with the resource API,
// every byte; PluginMain the one export; nothing but system DLLs needed beside them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "HostEventNames.h"
#include "pendrake/PiplResource.h"

namespace {

std::string Module(const char* name) { return std::string(MARKPLUG_PLUGINS_DIR) + "/windows/" + name; }

std::vector<unsigned char> PiplResourceOf(const std::string& path)
{
    const HMODULE image = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    EXPECT_NE(image, nullptr) << path;
    if (image == nullptr) return {};
    std::vector<unsigned char> bytes;
    const HRSRC resource = FindResourceExA(image, "PIPL", MAKEINTRESOURCEA(16000), 1033);
    EXPECT_NE(resource, nullptr) << path;
    if (resource != nullptr) {
        const HGLOBAL loaded = LoadResource(image, resource);
        const auto* data = static_cast<const unsigned char*>(LockResource(loaded));
        if (data != nullptr) bytes.assign(data, data + SizeofResource(image, resource));
    }
    FreeLibrary(image);
    return bytes;
}

template <std::size_t N>
std::vector<unsigned char> Bytes(const std::array<unsigned char, N>& array)
{
    return std::vector<unsigned char>(array.begin(), array.end());
}

// The directories of a module mapped as an image (its code not run, its DLLs not loaded).
class Image {
public:
    explicit Image(const std::string& path)
        : fModule(LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES))
    {
    }
    ~Image()
    {
        if (fModule) FreeLibrary(fModule);
    }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    bool Loaded() const { return fModule != nullptr; }

    std::vector<std::string> Exports() const
    {
        std::vector<std::string> names;
        const auto* directory = Directory<IMAGE_EXPORT_DIRECTORY>(IMAGE_DIRECTORY_ENTRY_EXPORT);
        if (!directory) return names;
        const auto* nameOffsets = At<DWORD>(directory->AddressOfNames);
        for (DWORD i = 0; i < directory->NumberOfNames; ++i) names.emplace_back(At<char>(nameOffsets[i]));
        return names;
    }

    // Upper-cased, in the order of the import table.
    std::vector<std::string> ImportedDlls() const
    {
        std::vector<std::string> names;
        for (const auto* entry = Directory<IMAGE_IMPORT_DESCRIPTOR>(IMAGE_DIRECTORY_ENTRY_IMPORT);
             entry && entry->Name != 0; ++entry) {
            std::string name = At<char>(entry->Name);
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
            names.push_back(name);
        }
        return names;
    }

private:
    template <typename T>
    const T* At(DWORD offset) const
    {
        return reinterpret_cast<const T*>(reinterpret_cast<const unsigned char*>(fModule) + offset);
    }
    template <typename T>
    const T* Directory(int index) const
    {
        const auto* dos = At<IMAGE_DOS_HEADER>(0);
        const auto* nt = At<IMAGE_NT_HEADERS64>(static_cast<DWORD>(dos->e_lfanew));
        const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[index];
        return entry.VirtualAddress != 0 ? At<T>(entry.VirtualAddress) : nullptr;
    }

    HMODULE fModule;
};

}  // namespace

TEST(ModuleFiles, EachCarriesItsPropertyListAsResourcePipl16000InUsEnglish)
{
    EXPECT_EQ(PiplResourceOf(Module("markplug.pdp")), Bytes(pipl::MakePipl<"TalvexPluginDialog">()));
    EXPECT_EQ(PiplResourceOf(Module("eventbridge.pdp")), Bytes(pipl::MakePipl<kAdapterOwnerName>()));
    // The first bytes spelled out: version 1, reserved 0, four properties, the first one's vendor 'VLST'.
    const std::vector<unsigned char> markplug = PiplResourceOf(Module("markplug.pdp"));
    ASSERT_GE(markplug.size(), 14u);
    EXPECT_EQ(std::vector<unsigned char>(markplug.begin(), markplug.begin() + 14),
              (std::vector<unsigned char>{1, 0, 0, 0, 0, 0, 4, 0, 0, 0, 'T', 'S', 'L', 'V'}));
}

TEST(ModuleFiles, PluginMainIsTheOneExportAndOnlySystemDllsAreNeeded)
{
    for (const char* name : {"markplug.pdp", "eventbridge.pdp"}) {
        const Image image(Module(name));
        ASSERT_TRUE(image.Loaded()) << name;
        EXPECT_EQ(image.Exports(), std::vector<std::string>{"PluginMain"}) << name;
        for (const std::string& dll : image.ImportedDlls())
            EXPECT_TRUE(dll == "KERNEL32.DLL" || dll == "MSVCRT.DLL" || dll == "ADVAPI32.DLL" || dll == "SHELL32.DLL")
                << name << " needs " << dll;
    }
}

TEST(ModuleFiles, ThePanelServiceFilesExportTheFiveEntryPoints)
{
    const std::vector<std::string> five = {"WireletAddEventListener", "WireletDispatchEvent", "WireletLoadExtension",
                                           "WireletRemoveEventListener", "WireletUnloadExtension"};
    for (const char* name : {"WireletFenn.dll", "Wirelet.dll"}) {
        const Image image(std::string(MARKPLUG_APP_DIR) + "/" + name);
        ASSERT_TRUE(image.Loaded()) << name;
        EXPECT_EQ(image.Exports(), five) << name;  // the export table is sorted by name
    }
}
