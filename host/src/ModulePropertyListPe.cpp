// The property list of a Windows module: its resource, read with the module mapped as data only, so that none
// of its code (not even DllMain) runs before the host has accepted it.
#include <windows.h>

#include <filesystem>
#include <string>

#include "host/ModulePropertyList.h"
#include "host/Utf.h"
#include "pendrake/ZBPlugin.h"

namespace host {

std::string ReadModulePropertyList(const std::string& path, std::vector<unsigned char>& bytes)
{
    std::filesystem::path file;
    try {
        file = PathOfUtf8(path);
    } catch (...) {
        return "the path is not UTF-8 text";
    }
    const HMODULE image = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (image == nullptr) return "cannot open the file as a module (error " + std::to_string(GetLastError()) + ")";
    std::string problem;
    const HRSRC resource = FindResourceExA(image, kPIPLResourceType, MAKEINTRESOURCEA(kPIPLResourceID),
                                           static_cast<WORD>(kPIPLResourceLanguage));
    const HGLOBAL loaded = resource != nullptr ? LoadResource(image, resource) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    const DWORD size = resource != nullptr ? SizeofResource(image, resource) : 0;
    if (resource == nullptr)
        problem = "no resource PIPL 16000 in language 1033";
    else if (data == nullptr)
        problem = "cannot load the resource PIPL 16000";
    else
        bytes.assign(static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + size);
    FreeLibrary(image);
    return problem;
}

}  // namespace host
