// The one interface between plug-in code and the operating system. Plug-ins call these, never an OS header,
// so that the Windows build (platform/win32) and the Linux build with its stand-ins (platform/posix) differ
// only here. Nothing here throws.
#ifndef PLATFORM_PLATFORM_H
#define PLATFORM_PLATFORM_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// Dynamic modules: LoadLibraryW / GetProcAddress / FreeLibrary on Windows, dlopen / dlsym / dlclose elsewhere.
// A module handle is the system's own handle (HMODULE, or the dlopen handle), so that a handle the host hands
// out for a plug-in's module can be given to ModuleFileName.
using ModuleHandle = void*;

// Loads the module at a UTF-8 path; null when it cannot be loaded (LastModuleError tells why).
ModuleHandle LoadModule(const std::string& path) noexcept;
// The address of an exported name, or null.
void* FindSymbol(ModuleHandle module, const char* name) noexcept;
// Unloads a module of LoadModule; false when the system refuses.
bool FreeModule(ModuleHandle module) noexcept;
// The last loader failure of this thread, for messages.
std::string LastModuleError();
// The full path of a loaded module (GetModuleFileName), empty when unknown.
std::string ModuleFileName(ModuleHandle module);
// Whether address (code or data) lies in the loaded module.
bool AddressInModule(const void* address, ModuleHandle module) noexcept;

// Bundles, the stand-in for CFBundleCreate / CFBundleGetFunctionPointerForName / CFBundleIsExecutableLoaded /
// CFRelease. A bundle is a folder; its executable is the file inside it named like the folder without its
// extension ("Wirelet.framework/Wirelet"), loaded on the first function look-up.
struct Bundle;
using BundleRef = Bundle*;

// Null when the folder does not exist.
BundleRef CreateBundle(const std::string& folderPath) noexcept;
// Loads the executable if needed; null when it cannot be loaded or lacks the name.
void* BundleFunctionPointer(BundleRef bundle, const char* name) noexcept;
bool BundleIsExecutableLoaded(BundleRef bundle) noexcept;
// Unloads the executable if loaded and frees the reference; null is accepted.
void ReleaseBundle(BundleRef bundle) noexcept;

// The registry (RegOpenKeyExA / RegQueryValueExA / RegCloseKey). On Linux HKEY_CURRENT_USER is
// $XDG_CONFIG_HOME (default ~/.config) and HKEY_LOCAL_MACHINE is /etc/xdg; a key is the folder path with each
// "\" read as "/", a value is the file of that name in the key's folder, and its bytes are the value. The
// environment variables PENDRAKE_REGISTRY_HKCU and PENDRAKE_REGISTRY_HKLM, when set and not empty, name the two
// root folders instead (for tests, which cannot write /etc/xdg). Key and value names with empty, "." or ".."
// components are refused, as is a "/" in a value name; an empty key name is the root itself.
enum class RegistryRoot { kCurrentUser, kLocalMachine };
struct RegistryKey;
using RegistryKeyRef = RegistryKey*;

// Null when the key does not exist, cannot be read or has a refused name.
RegistryKeyRef OpenRegistryKey(RegistryRoot root, const char* subKey) noexcept;
// Copies the value's bytes into buffer. *size holds the buffer's capacity on entry and the number of bytes
// stored on return. False (buffer unspecified) when the value is absent, unreadable or larger than the buffer;
// a value file that is not a regular file (a FIFO, a device, a folder) counts as absent and is never read.
// The bytes are stored as they are: a value need not end with a NUL.
bool QueryRegistryValue(RegistryKeyRef key, const char* valueName, void* buffer, uint32_t* size) noexcept;
// Frees the key; false when the system refuses. Null is refused.
bool CloseRegistryKey(RegistryKeyRef key) noexcept;

// Temporary files (GetTempPathA / GetTempFileNameA). The folder ends with the path separator; on Linux it is
// $TMPDIR (default /tmp).
std::string TemporaryFolder();
// Creates a new empty file in folder, exclusively, named prefix, up to four hexadecimal digits and ".TMP"
// ("~TX1A2.TMP"); stores its full path. On Linux the number starts from the process id and the time and moves
// on when a name is taken, 65535 numbers at most. False when no such file could be made.
bool CreateTemporaryFile(const std::string& folder, const char* prefix, std::string& path) noexcept;

// Files written from the start (CreateFileA with CREATE_ALWAYS and no sharing / WriteFile / CloseHandle).
using FileHandle = intptr_t;
inline constexpr FileHandle kInvalidFile = -1;
// Creates the file or truncates it to empty; kInvalidFile when it cannot.
FileHandle CreateFileAlways(const std::string& path) noexcept;
// Writes all size bytes; false when not all of them could be written.
bool WriteFileBytes(FileHandle file, const void* bytes, std::size_t size) noexcept;
// False when the system reports a failure on closing (data may be lost).
bool CloseFile(FileHandle file) noexcept;

// Starts a program from a command line (WinExec): on Linux the line is split at blanks, a double-quoted run
// staying one argument, and the first argument is started directly, never through a shell, without waiting and
// without leaving a zombie. showCommand is the window state (1: shown normally; no meaning on Linux). True when
// the program was started (on Linux: the exec succeeded); false for an empty line or an unterminated quote.
// The program runs in a session of its own with standard input from /dev/null.
bool StartProgram(const std::string& commandLine, int showCommand) noexcept;
// Opens a document with the desktop's opener (ShellExecuteA with "open"): on Linux $PENDRAKE_OPENER when set,
// otherwise xdg-open, started like StartProgram with the document as its one argument. True when started.
bool OpenWithDesktop(const std::string& document) noexcept;

// File-system references, the stand-in for FSRef with FSPathMakeRef / FSMakeFSRefUnicode / FSDeleteObject /
// FSCreateFileUnicode: a reference names an object that existed when the reference was made. Relative paths are
// resolved against the process's current directory when the reference is made. Names inside a folder are UTF-16
// (the system's Unicode names); empty names, ".", "..", names holding "/" or NUL and unpaired surrogates are
// refused.
struct FileSystemRef {
    std::string path;  // absolute, UTF-8
};
// False when nothing exists at path. *isFolder, when given, tells whether it is a folder.
bool MakeFileSystemRef(const std::string& path, FileSystemRef& ref, bool* isFolder) noexcept;
// The reference of the existing object name inside folder; false when there is none or the name is refused.
bool MakeChildRef(const FileSystemRef& folder, const std::u16string& name, FileSystemRef& ref) noexcept;
// Deletes a file or an empty folder; false when it cannot.
bool DeleteObject(const FileSystemRef& ref) noexcept;
// Creates a new empty file name in folder and stores its reference; false when it exists already or cannot be
// made.
bool CreateFileIn(const FileSystemRef& folder, const std::u16string& name, FileSystemRef& ref) noexcept;

// Forks (FSOpenFork with the data fork / FSWriteFork / FSCloseFork): the data fork is the file itself, opened
// for writing from its start, with every write going on at the current position. A fork is a FileHandle,
// written and closed with WriteFileBytes and CloseFile. kInvalidFile when the file cannot be opened.
inline constexpr int8_t kForkWritePermission = 2;
FileHandle OpenDataFork(const FileSystemRef& file, int8_t permissions) noexcept;

// The system version, the stand-in for Gestalt with the selector 'sysv': a BCD value such as 0x1090 for 10.9.
// On Linux the environment variable PENDRAKE_SYSTEM_VERSION (hexadecimal with 0x, or decimal) sets it, for tests;
// otherwise 0x1090. False when the variable holds no such number.
bool SystemVersion(int32_t& version) noexcept;

// Opens an item the way the Finder would (LSOpenFSRef): an application bundle, a folder whose name ends in
// ".app", is started: its program is Contents/MacOS/<the folder's name without ".app">, started like StartProgram
// with no arguments; any other item is opened with OpenWithDesktop. True when a program was started.
bool OpenFileSystemItem(const FileSystemRef& item) noexcept;

// The full path of the module that holds address (GetModuleFileName of the calling module); empty when unknown.
std::string ModulePathOfAddress(const void* address);

// Lets the heap grow in large steps, the first one backed by huge pages where the system offers them (glibc's heap
// with transparent huge pages on Linux), so that a program about to build a large document takes a few page faults
// instead of one for each 4 KiB it fills. For a program's main, once, before the work begins; nothing happens where
// it does not apply (Windows, another allocator such as a sanitizer's).
void PreferLargeHeapPages() noexcept;
// After PreferLargeHeapPages: makes room in huge pages for `bytes` more of the heap at once, for a program about
// to build something of about that size (a document read from a file of known size), so that what lies beyond the
// first step is backed by huge pages too, and has a thread of its own fill the larger part of it in ahead of the
// program. Nothing happens where PreferLargeHeapPages did nothing.
void PrepareLargeHeap(std::size_t bytes) noexcept;
// Ends the filling that PrepareLargeHeap began, once the program has built what it made room for.
void StopFillingLargeHeap() noexcept;

}  // namespace platform

#endif
