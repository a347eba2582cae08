// The three command files of the macOS output run, in the output application's folder "../Applications/Talvex/"
// (relative to the host process's current directory): "tmp.txt", "tmp_pro.txt" and "tmp_km.txt". Each run
// deletes them, creates them again empty and writes them from the start. The references to the folder and the
// files are kept between runs and made anew only on systems that support them (version 0x1000 and later).
#ifndef MARKPLUG_PLOTTERCOMMANDFILES_H
#define MARKPLUG_PLOTTERCOMMANDFILES_H

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Platform.h"

enum class PlotterFile : std::size_t {
    kPlain = 0,   // "tmp.txt"
    kPro = 1,     // "tmp_pro.txt": the same stream behind a run of 64 semicolons
    kTurned = 2,  // "tmp_km.txt": the points turned by a quarter turn, no job control
};
inline constexpr std::size_t kPlotterFileCount = 3;

// The folder that holds the command files and the output application.
inline constexpr char kOutputApplicationFolder[] = "../Applications/Talvex/";
inline constexpr char kOutputApplicationName[] = "TalvexOutputX.app";

class PlotterCommandFiles {
public:
    // Makes the references when the system supports them, then deletes, creates and opens the three files in
    // order. A file that cannot be opened takes no writes, and the files count as incomplete.
    PlotterCommandFiles() noexcept;
    // Closes whatever is still open.
    ~PlotterCommandFiles();
    PlotterCommandFiles(const PlotterCommandFiles&) = delete;
    PlotterCommandFiles& operator=(const PlotterCommandFiles&) = delete;

    // Appends bytes at the file's current position (through a buffer of the file's own, written when full and
    // on closing).
    void Write(PlotterFile file, const std::string& bytes) noexcept;
    // Closes the three files in order, "tmp.txt" first.
    void Close() noexcept;
    // Marks the run's output incomplete (a path that could not be read or written in full).
    void Fail() noexcept { fComplete = false; }
    // Every file opened, every byte written and every file closed, and nothing failed.
    bool Complete() const noexcept { return fComplete; }

private:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    void Flush(std::size_t file) noexcept;

    platform::FileHandle fForks[kPlotterFileCount] = {platform::kInvalidFile, platform::kInvalidFile,
                                                      platform::kInvalidFile};
    std::vector<char> fBuffers[kPlotterFileCount];  // kBufferSize each
    std::size_t fBuffered[kPlotterFileCount] = {0, 0, 0};
    bool fComplete = true;
};

// Opens "TalvexOutputX.app" in the output application's folder, when the system supports it. True when opened.
bool OpenOutputApplication() noexcept;

#endif
