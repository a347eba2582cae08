#include "host/ElfSection.h"
#include "host/ModulePropertyList.h"
#include "pendrake/ZBPlugin.h"

namespace host {

std::string ReadModulePropertyList(const std::string& path, std::vector<unsigned char>& bytes)
{
    return ReadElfSection(path, kPIPLSectionName, bytes);
}

}  // namespace host
