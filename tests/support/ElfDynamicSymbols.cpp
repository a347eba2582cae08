#include "ElfDynamicSymbols.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A copy of the record at offset, after checking that it lies inside the file.
template <typename Record>
Record At(const Bytes& bytes, std::uint64_t offset)
{
    if (offset > bytes.size() || bytes.size() - offset < sizeof(Record)) {
        throw std::runtime_error("ELF record outside the file");
    }
    Record record;
    std::memcpy(&record, bytes.data() + offset, sizeof(Record));
    return record;
}

// The NUL-terminated name at offset inside a string table section.
std::string NameAt(const Bytes& bytes, const Elf64_Shdr& table, std::uint32_t offset)
{
    if (table.sh_offset > bytes.size() || table.sh_size > bytes.size() - table.sh_offset || offset >= table.sh_size) {
        throw std::runtime_error("ELF name outside its string table");
    }
    const unsigned char* begin = bytes.data() + table.sh_offset + offset;
    const unsigned char* end = bytes.data() + table.sh_offset + table.sh_size;
    const void* nul = std::memchr(begin, 0, static_cast<std::size_t>(end - begin));
    if (nul == nullptr) {
        throw std::runtime_error("ELF name without its NUL");
    }
    return std::string(reinterpret_cast<const char*>(begin), static_cast<const unsigned char*>(nul) - begin);
}

}  // namespace

std::set<std::string> DefinedDynamicSymbols(const std::string& path)
{
    const Bytes bytes = ReadFile(path);
    const auto header = At<Elf64_Ehdr>(bytes, 0);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
        header.e_ident[EI_DATA] != ELFDATA2LSB || header.e_shentsize != sizeof(Elf64_Shdr)) {
        throw std::runtime_error(path + " is not a 64-bit little-endian ELF file");
    }

    std::set<std::string> names;
    bool foundTable = false;
    for (std::uint16_t index = 0; index < header.e_shnum; ++index) {
        const auto section = At<Elf64_Shdr>(bytes, header.e_shoff + std::uint64_t{index} * sizeof(Elf64_Shdr));
        if (section.sh_type != SHT_DYNSYM) {
            continue;
        }
        foundTable = true;
        if (section.sh_entsize != sizeof(Elf64_Sym) || section.sh_link >= header.e_shnum) {
            throw std::runtime_error("malformed dynamic symbol table in " + path);
        }
        const auto strings =
            At<Elf64_Shdr>(bytes, header.e_shoff + std::uint64_t{section.sh_link} * sizeof(Elf64_Shdr));
        const std::uint64_t count = section.sh_size / sizeof(Elf64_Sym);
        for (std::uint64_t symbolIndex = 0; symbolIndex < count; ++symbolIndex) {
            const auto symbol = At<Elf64_Sym>(bytes, section.sh_offset + symbolIndex * sizeof(Elf64_Sym));
            const unsigned binding = ELF64_ST_BIND(symbol.st_info);
            const bool visible = binding == STB_GLOBAL || binding == STB_WEAK || binding == STB_GNU_UNIQUE;
            if (visible && symbol.st_shndx != SHN_UNDEF) {
                names.insert(NameAt(bytes, strings, symbol.st_name));
            }
        }
    }
    if (!foundTable) {
        throw std::runtime_error(path + " has no dynamic symbol table");
    }
    return names;
}
