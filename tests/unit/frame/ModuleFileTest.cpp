#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Edition.h"
#include "ExpectedPipl.h"
#include "FrameTestNames.h"

namespace {

std::string ModulePath()
{
    return std::string(MARKPLUG_PLUGINS_DIR) + (kMacEdition ? "/macos" : "/windows") + "/markplug.pdp";
}

template <typename T>
T Read(const std::vector<unsigned char>& file, size_t offset)
{
    T value{};
    if (offset + sizeof(T) <= file.size()) std::memcpy(&value, file.data() + offset, sizeof(T));
    return value;
}

// The contents of the named section of a 64-bit ELF file, read the way the host reads them: from the file,
// without loading it.
std::vector<unsigned char> SectionBytes(const std::vector<unsigned char>& file, const std::string& name)
{
    const auto header = Read<Elf64_Ehdr>(file, 0);
    if (file.size() < sizeof header || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) return {};
    const auto sectionAt = [&](size_t index) {
        return Read<Elf64_Shdr>(file, header.e_shoff + index * header.e_shentsize);
    };
    const Elf64_Shdr names = sectionAt(header.e_shstrndx);
    for (size_t i = 0; i < header.e_shnum; ++i) {
        const Elf64_Shdr section = sectionAt(i);
        const size_t nameAt = names.sh_offset + section.sh_name;
        if (nameAt >= file.size()) continue;
        if (std::string(reinterpret_cast<const char*>(file.data() + nameAt)) != name) continue;
        if (section.sh_offset + section.sh_size > file.size()) return {};
        return std::vector<unsigned char>(file.begin() + static_cast<long>(section.sh_offset),
                                          file.begin() + static_cast<long>(section.sh_offset + section.sh_size));
    }
    return {};
}

}  // namespace

TEST(FRAME_SUITE(FrameModuleFile), CarriesThePropertyListInItsPiplSection)
{
    std::ifstream stream(ModulePath(), std::ios::binary);
    ASSERT_TRUE(stream) << ModulePath();
    const std::vector<unsigned char> file((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    EXPECT_EQ(SectionBytes(file, ".pipl"), kExpectedPipl);
}
