#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "host/ElfSection.h"
#include "host/Pipl.h"

namespace {

std::vector<unsigned char> Le32(uint32_t v)
{
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

void Append(std::vector<unsigned char>& out, const std::vector<unsigned char>& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// A property: vendor 'VLST', the key, id 0, length, data padded to 4.
void Property(std::vector<unsigned char>& out, const char* key, std::vector<unsigned char> data, uint32_t length)
{
    Append(out, {'T', 'S', 'L', 'V'});
    Append(out, {uint8_t(key[3]), uint8_t(key[2]), uint8_t(key[1]), uint8_t(key[0])});
    Append(out, Le32(0));
    Append(out, Le32(length));
    while (data.size() % 4) data.push_back(0);
    Append(out, data);
}

std::vector<unsigned char> Text(const std::string& s)
{
    std::vector<unsigned char> bytes(s.begin(), s.end());
    bytes.push_back(0);
    return bytes;
}

std::vector<unsigned char> ValidList(const std::string& name)
{
    std::vector<unsigned char> out = {1, 0};
    Append(out, Le32(0));
    Append(out, Le32(4));
    Property(out, "kind", {'A', 'E', 'B', 'Z'}, 4);
    Property(out, "ivrs", Le32(2), 4);
    Property(out, "wx86", Text("PluginMain"), 12);
    Property(out, "pinm", Text(name), static_cast<uint32_t>(name.size() + 1));
    return out;
}

}  // namespace

TEST(Pipl, ReadsKindVersionEntryAndName)
{
    host::PluginProperties properties;
    ASSERT_EQ(host::ParsePluginProperties(ValidList("TalvexPluginDialog"), properties), "");
    EXPECT_EQ(properties.entryPoint, "PluginMain");
    EXPECT_EQ(properties.name, "TalvexPluginDialog");
    EXPECT_EQ(properties.interfaceVersion, 2);
}

TEST(Pipl, RefusesTruncatedAndUnterminatedLists)
{
    const std::vector<unsigned char> valid = ValidList("eventbridge");
    host::PluginProperties properties;
    for (std::size_t cut = 0; cut < valid.size(); ++cut) {
        const std::vector<unsigned char> shorter(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_NE(host::ParsePluginProperties(shorter, properties), "") << "cut at " << cut;
    }
    std::vector<unsigned char> out = {1, 0};
    Append(out, Le32(0));
    Append(out, Le32(1));
    Property(out, "pinm", {'a', 'b', 'c', 'd'}, 4);  // no NUL inside its length
    EXPECT_EQ(host::ParsePluginProperties(out, properties), "text property without terminating NUL at byte 10");
}

TEST(Pipl, RefusesAnotherKindOfModule)
{
    std::vector<unsigned char> list = ValidList("x");
    list[10 + 16] = 'X';  // the kind's data
    host::PluginProperties properties;
    EXPECT_EQ(host::ParsePluginProperties(list, properties), "not a plug-in of this host (kind)");
}

TEST(ElfSection, ReportsFilesThatAreNotModules)
{
    std::vector<unsigned char> contents;
    EXPECT_EQ(host::ReadElfSection("/nonexistent/file.pdp", ".pipl", contents), "cannot open the file");
    const std::string path = testing::TempDir() + "not-elf.pdp";
    std::ofstream(path) << "MZ this is no module";
    EXPECT_EQ(host::ReadElfSection(path, ".pipl", contents), "not an ELF file");
    // A module cut short after its header: the section table it names is not there.
    std::ifstream self("/proc/self/exe", std::ios::binary);
    std::vector<char> header(4096);
    self.read(header.data(), static_cast<std::streamsize>(header.size()));
    std::ofstream(path, std::ios::binary).write(header.data(), static_cast<std::streamsize>(header.size()));
    EXPECT_EQ(host::ReadElfSection(path, ".text", contents), "section table lies outside the file");
    std::remove(path.c_str());
}

TEST(ElfSection, FindsNoPropertyListInAPlainProgram)
{
    std::vector<unsigned char> contents;
    EXPECT_EQ(host::ReadElfSection("/proc/self/exe", ".pipl", contents), "no section .pipl");
    EXPECT_EQ(host::ReadElfSection("/proc/self/exe", ".text", contents), "");
    EXPECT_FALSE(contents.empty());
}
