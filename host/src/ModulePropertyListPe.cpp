// The property list of a Windows module: its resource, read with the module mapped as data only, so that none
// of its code (not even DllMain) runs before the host has accepted it.
#include <windows.h>

#include <cstring>

#include "host/ModulePropertyList.h"
#include "pendrake/ZBPlugin.h"

namespace host {
namespace {

bool WidePath(const std::string& utf8, std::wstring& wide)
{
    if (utf8.empty() || utf8.find('\0') != std::string::npos || utf8.size() > 0x7FFFFFFF) return false;
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length <= 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length) == length;
}

}  // namespace

std::string ReadModulePropertyList(const std::string& path, std::vector<unsigned char>& bytes)
{
    std::wstring wide;
    if (!WidePath(path, wide)) return "the path is not UTF-8 text";
    const HMODULE image = LoadLibraryExW(wide.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
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
