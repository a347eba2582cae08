// Files written from the start on Windows: CreateFileA (CREATE_ALWAYS, no sharing) / WriteFile / CloseHandle.
#include "SystemHeaders.h"

#include "platform/Platform.h"

namespace platform {

// INVALID_HANDLE_VALUE is (HANDLE)-1, the value of kInvalidFile.

FileHandle CreateFileAlways(const std::string& path) noexcept
{
    if (path.empty() || path.find('\0') != std::string::npos) return kInvalidFile;
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return reinterpret_cast<FileHandle>(file);
}

bool WriteFileBytes(FileHandle file, const void* bytes, std::size_t size) noexcept
{
    if (file == kInvalidFile || (bytes == nullptr && size != 0)) return false;
    const auto* at = static_cast<const char*>(bytes);
    // WriteFile takes 32-bit counts: a larger buffer goes in pieces.
    while (size > 0) {
        const DWORD piece = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(reinterpret_cast<HANDLE>(file), at, piece, &written, nullptr) || written == 0) return false;
        at += written;
        size -= written;
    }
    return true;
}

bool CloseFile(FileHandle file) noexcept { return file != kInvalidFile && CloseHandle(reinterpret_cast<HANDLE>(file)); }

}  // namespace platform
