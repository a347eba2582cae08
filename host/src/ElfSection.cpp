#include "host/ElfSection.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace host {
namespace {

template <typename T>
bool ReadAt(const std::vector<unsigned char>& file, std::size_t offset, T& out)
{
    if (offset > file.size() || file.size() - offset < sizeof(T)) return false;
    std::memcpy(&out, file.data() + offset, sizeof(T));
    return true;
}

bool RangeInside(const std::vector<unsigned char>& file, uint64_t offset, uint64_t size)
{
    return offset <= file.size() && file.size() - offset >= size;
}

}  // namespace

std::string ReadElfSection(const std::string& path, const std::string& sectionName,
                           std::vector<unsigned char>& contents)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot open the file";
    // One read of the whole module: a debug build's module is megabytes, too many to take byte by byte.
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return "cannot read the file";
    in.seekg(0, std::ios::beg);
    std::vector<unsigned char> file(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(file.data()), size)) return "cannot read the file";

    Elf64_Ehdr header{};
    if (!ReadAt(file, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) return "not an ELF file";
    if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB)
        return "not a 64-bit little-endian ELF file";
    if (header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shnum == 0 || header.e_shstrndx >= header.e_shnum)
        return "no section table";

    Elf64_Shdr names{};
    if (!ReadAt(file, header.e_shoff + header.e_shstrndx * sizeof(Elf64_Shdr), names) ||
        !RangeInside(file, names.sh_offset, names.sh_size))
        return "section name table lies outside the file";

    for (uint16_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr section{};
        if (!ReadAt(file, header.e_shoff + i * sizeof(Elf64_Shdr), section))
            return "section table lies outside the file";
        if (section.sh_name >= names.sh_size) continue;
        const char* name = reinterpret_cast<const char*>(file.data() + names.sh_offset + section.sh_name);
        const std::size_t room = names.sh_size - section.sh_name;
        if (strnlen(name, room) == room || sectionName != name) continue;
        if (section.sh_type == SHT_NOBITS || !RangeInside(file, section.sh_offset, section.sh_size))
            return "section " + sectionName + " lies outside the file";
        contents.assign(file.begin() + static_cast<std::ptrdiff_t>(section.sh_offset),
                        file.begin() + static_cast<std::ptrdiff_t>(section.sh_offset + section.sh_size));
        return {};
    }
    return "no section " + sectionName;
}

}  // namespace host
