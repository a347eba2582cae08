#include "host/ElfSection.h"

#include <elf.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace host {
namespace {

// The module is read where the answer lies (its header, the section table, the names and the one section), not
// whole: a plug-in is a few hundred KiB and its property list a few dozen bytes, read at every start.
class ModuleFile {
public:
    explicit ModuleFile(const std::string& path)
    {
        do {
            fDescriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        } while (fDescriptor < 0 && errno == EINTR);
        struct stat status {};
        if (fDescriptor >= 0 && fstat(fDescriptor, &status) == 0 && status.st_size >= 0)
            fSize = static_cast<uint64_t>(status.st_size);
    }
    ~ModuleFile()
    {
        if (fDescriptor >= 0) close(fDescriptor);
    }
    ModuleFile(const ModuleFile&) = delete;
    ModuleFile& operator=(const ModuleFile&) = delete;

    bool Opened() const { return fDescriptor >= 0; }
    bool RangeInside(uint64_t offset, uint64_t size) const { return offset <= fSize && fSize - offset >= size; }
    // size bytes at offset into out; false when they do not lie inside the file or cannot be read.
    bool Read(uint64_t offset, uint64_t size, void* out) const
    {
        if (!RangeInside(offset, size)) return false;
        auto* at = static_cast<unsigned char*>(out);
        while (size > 0) {
            const ssize_t count = pread(fDescriptor, at, size, static_cast<off_t>(offset));
            if (count < 0 && errno == EINTR) continue;
            if (count <= 0) return false;
            at += count;
            offset += static_cast<uint64_t>(count);
            size -= static_cast<uint64_t>(count);
        }
        return true;
    }

private:
    int fDescriptor = -1;
    uint64_t fSize = 0;
};

}  // namespace

std::string ReadElfSection(const std::string& path, const std::string& sectionName,
                           std::vector<unsigned char>& contents)
{
    const ModuleFile file(path);
    if (!file.Opened()) return "cannot open the file";

    Elf64_Ehdr header{};
    if (!file.Read(0, sizeof header, &header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return "not an ELF file";
    if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB)
        return "not a 64-bit little-endian ELF file";
    if (header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shnum == 0 || header.e_shstrndx >= header.e_shnum)
        return "no section table";

    // At most 65,535 entries of 64 bytes.
    std::vector<Elf64_Shdr> sections(header.e_shnum);
    if (!file.Read(header.e_shoff, sections.size() * sizeof(Elf64_Shdr), sections.data()))
        return "section table lies outside the file";
    const Elf64_Shdr& names = sections[header.e_shstrndx];
    if (!file.RangeInside(names.sh_offset, names.sh_size)) return "section name table lies outside the file";
    std::vector<char> nameTable(names.sh_size);
    if (!file.Read(names.sh_offset, names.sh_size, nameTable.data())) return "cannot read the file";

    for (const Elf64_Shdr& section : sections) {
        if (section.sh_name >= nameTable.size()) continue;
        const char* name = nameTable.data() + section.sh_name;
        const std::size_t room = nameTable.size() - section.sh_name;
        if (strnlen(name, room) == room || sectionName != name) continue;
        if (section.sh_type == SHT_NOBITS || !file.RangeInside(section.sh_offset, section.sh_size))
            return "section " + sectionName + " lies outside the file";
        contents.resize(section.sh_size);
        if (!file.Read(section.sh_offset, section.sh_size, contents.data())) return "cannot read the file";
        return {};
    }
    return "no section " + sectionName;
}

}  // namespace host
