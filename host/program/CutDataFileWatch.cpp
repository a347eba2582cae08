#include "CutDataFileWatch.h"

#include "platform/Platform.h"

#include <chrono>
#include <filesystem>

#if defined(__linux__)
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace pendrake {
namespace {

#if defined(__linux__)
std::string InFolder(const std::string& folder, const std::string& name)
{
    return (std::filesystem::path(folder) / name).string();
}
#endif

}  // namespace

bool IsCutDataFileName(const std::string& name)
{
    return name.size() > 7 && name.compare(0, 3, "~TX") == 0 && name.compare(name.size() - 4, 4, ".TMP") == 0;
}

std::set<std::string> CutDataFileWatch::Listed() const
{
    std::set<std::string> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(fFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (IsCutDataFileName(name)) found.insert(entry.path().string());
    }
    return found;
}

CutDataFileWatch::CutDataFileWatch(Means means)
    // The folder where the plug-in's platform layer makes its temporary files.
    : fFolder(platform::TemporaryFolder()), fStart(std::filesystem::file_time_type::clock::now())
{
#if defined(__linux__)
    if (means == Means::Watching) fWatch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fWatch >= 0 && inotify_add_watch(fWatch, fFolder.c_str(), IN_CREATE | IN_MOVED_TO) < 0) {
        close(fWatch);
        fWatch = -1;
    }
#else
    (void)means;  // listed on every other system
#endif
    if (fWatch < 0) fBefore = Listed();
}

CutDataFileWatch::~CutDataFileWatch()
{
#if defined(__linux__)
    if (fWatch >= 0) close(fWatch);
#endif
}

std::vector<std::string> CutDataFileWatch::Collect()
{
    std::set<std::string> appeared;
    if (fWatch >= 0) {
        if (!ReadEvents(appeared)) {
            // The kernel dropped events (more than its queue holds were made meanwhile): the files of the name
            // written since the watch began count, with a second's room for the file system's coarse clock.
            appeared.clear();
            std::error_code error;
            for (const std::string& file : Listed()) {
                const auto written = std::filesystem::last_write_time(file, error);
                if (!error && written >= fStart - std::chrono::seconds(1)) appeared.insert(file);
            }
        }
    } else {
        for (const std::string& file : Listed())
            if (!fBefore.count(file)) appeared.insert(file);
    }
    std::vector<std::string> files;
    std::error_code error;
    for (const std::string& file : appeared)
        if (std::filesystem::exists(file, error)) files.push_back(file);  // made and gone again: not the plug-in's
    return files;
}

bool CutDataFileWatch::ReadEvents(std::set<std::string>& appeared)
{
#if defined(__linux__)
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t got = read(fWatch, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) return true;  // every event read
        if (got <= 0) return false;
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > static_cast<std::size_t>(got - at) - sizeof(inotify_event)) return false;  // cut short
            if (event->mask & IN_Q_OVERFLOW) return false;
            if (event->len > 0) {
                const std::string name(event->name, strnlen(event->name, event->len));
                if (IsCutDataFileName(name)) appeared.insert(InFolder(fFolder, name));
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
#else
    (void)appeared;
    return false;
#endif
}

}  // namespace pendrake
