// The two paths the output run needs, found once at start-up and kept while the plug-in stays loaded: the
// cutting application, from the registry, and the cut data file, a new temporary file.
#ifndef MARKPLUG_CUTOUTPUTPATHS_H
#define MARKPLUG_CUTOUTPUTPATHS_H

#include <cstddef>
#include <cstdint>
#include <string>

// The start-up buffers of both paths, terminator included.
inline constexpr std::size_t kMaxPathBytes = 260;

// The application path meaning that the cutting application is not installed.
inline constexpr char kDefaultTalvexPath[] = "c:\\Talvex.exe";

// The cutting application; kDefaultTalvexPath until FindTalvexPath finds it.
extern std::string gTalvexPath;
// The cut data file; empty when none could be made.
extern std::string gCutFileName;

// Reads "Path" of the key "Software\Varrow KT Corporation\Talvex\Folder", under the current user first, then
// under the local machine; kDefaultTalvexPath when neither holds a value that fits.
void FindTalvexPath() noexcept;
// Creates a new empty file "~TX....TMP" in the temporary folder and keeps its path.
void MakeCutFileName() noexcept;

// The path held by size bytes of a registry value: the bytes up to the first NUL, or all of them when there is
// none. False when the value fills the whole start-up buffer without a NUL: it does not fit.
bool PathOfRegistryBytes(const char* bytes, uint32_t size, std::string& path);

// "%s -i %s" from the application path and the file path, each put in double quotes when it holds a blank (so
// that it stays one argument) and left as it is otherwise.
std::string TalvexCommandLine(const std::string& application, const std::string& file);

// What starting the cutting application came to.
enum class TalvexStart {
    kStarted,       // the system started it with the file; the plug-in does not wait for it
    kNotInstalled,  // the application path is the default one: nothing was started
    kFailed,        // the path names nothing the system could start (no such program, a folder, not executable)
};

// Starts the cutting application with the file, without waiting for it.
TalvexStart StartTalvex(const std::string& file) noexcept;

#endif
