// The cut data files ("~TX....TMP" in the temporary folder) that appear while the plug-ins start: markplug makes
// its file then, and `pendrake run` names it.
#ifndef PENDRAKE_CUTDATAFILEWATCH_H
#define PENDRAKE_CUTDATAFILEWATCH_H

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace pendrake {

// Watches the temporary folder (platform::TemporaryFolder) from construction to Collect. On Linux the folder is watched
// with inotify, so that a folder of thousands of files costs nothing (listing 3,800 entries twice took 8 ms of
// every run); elsewhere, or where no watch can be set, the folder is listed before and after.
class CutDataFileWatch {
public:
    enum class Means { Watching, Listing };  // Listing: for tests of the way other systems take
    explicit CutDataFileWatch(Means means = Means::Watching);
    ~CutDataFileWatch();
    CutDataFileWatch(const CutDataFileWatch&) = delete;
    CutDataFileWatch& operator=(const CutDataFileWatch&) = delete;

    // The files of that name that appeared since construction and are there now, as paths in the folder, sorted.
    std::vector<std::string> Collect();

private:
    std::set<std::string> Listed() const;
    // The names the watch reported, in the folder; false when not every event could be read.
    bool ReadEvents(std::set<std::string>& appeared);

    std::string fFolder;
    std::filesystem::file_time_type fStart;
    int fWatch = -1;                // the inotify descriptor; -1: listing instead
    std::set<std::string> fBefore;  // the listing at construction, when listing
};

// "~TX" and at least one more character, then ".TMP": the name the platform layer gives temporary files.
bool IsCutDataFileName(const std::string& name);

}  // namespace pendrake

#endif
