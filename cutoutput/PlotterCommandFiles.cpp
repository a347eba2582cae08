#include "PlotterCommandFiles.h"

#include "MacSystemVersion.h"

namespace {

const char16_t* const kFileNames[kPlotterFileCount] = {u"tmp.txt", u"tmp_pro.txt", u"tmp_km.txt"};

// Kept between runs, as the system keeps them valid while the objects exist.
platform::FileSystemRef gFolderRef;
bool gHaveFolderRef = false;
platform::FileSystemRef gFileRefs[kPlotterFileCount];
bool gHaveFileRef[kPlotterFileCount] = {false, false, false};

void MakeReferences()
{
    bool isFolder = false;
    gHaveFolderRef = platform::MakeFileSystemRef(kOutputApplicationFolder, gFolderRef, &isFolder) && isFolder;
    for (std::size_t i = 0; i < kPlotterFileCount; ++i) {
        // A file that does not exist yet gets no reference.
        gHaveFileRef[i] = gHaveFolderRef && platform::MakeChildRef(gFolderRef, kFileNames[i], gFileRefs[i]);
    }
}

// Deletes the file if it is there, creates it again empty and opens it for writing.
platform::FileHandle Recreate(std::size_t i)
{
    if (gHaveFileRef[i]) platform::DeleteObject(gFileRefs[i]);
    gHaveFileRef[i] = gHaveFolderRef && platform::CreateFileIn(gFolderRef, kFileNames[i], gFileRefs[i]);
    if (!gHaveFileRef[i]) return platform::kInvalidFile;
    return platform::OpenDataFork(gFileRefs[i], platform::kForkWritePermission);
}

}  // namespace

PlotterCommandFiles::PlotterCommandFiles() noexcept
{
    try {
        if (SystemHasFileReferences()) MakeReferences();
        for (std::size_t i = 0; i < kPlotterFileCount; ++i) {
            fBuffers[i].resize(kBufferSize);
            fForks[i] = Recreate(i);
            if (fForks[i] == platform::kInvalidFile) fComplete = false;
        }
    } catch (...) {
        // Without memory for the buffers or the references' paths the run writes nothing and is incomplete.
        for (std::size_t i = 0; i < kPlotterFileCount; ++i) {
            if (fForks[i] != platform::kInvalidFile) platform::CloseFile(fForks[i]);
            fForks[i] = platform::kInvalidFile;
        }
        fComplete = false;
    }
}

PlotterCommandFiles::~PlotterCommandFiles() { Close(); }

void PlotterCommandFiles::Write(PlotterFile file, const std::string& bytes) noexcept
{
    const std::size_t i = static_cast<std::size_t>(file);
    if (fForks[i] == platform::kInvalidFile) {
        fComplete = false;
        return;
    }
    if (bytes.size() > kBufferSize - fBuffered[i]) Flush(i);
    if (bytes.size() > kBufferSize) {
        if (!platform::WriteFileBytes(fForks[i], bytes.data(), bytes.size())) fComplete = false;
        return;
    }
    bytes.copy(fBuffers[i].data() + fBuffered[i], bytes.size());
    fBuffered[i] += bytes.size();
}

void PlotterCommandFiles::Flush(std::size_t i) noexcept
{
    if (fBuffered[i] > 0 && !platform::WriteFileBytes(fForks[i], fBuffers[i].data(), fBuffered[i])) fComplete = false;
    fBuffered[i] = 0;
}

void PlotterCommandFiles::Close() noexcept
{
    for (std::size_t i = 0; i < kPlotterFileCount; ++i) {
        if (fForks[i] == platform::kInvalidFile) continue;
        Flush(i);
        if (!platform::CloseFile(fForks[i])) fComplete = false;
        fForks[i] = platform::kInvalidFile;
    }
}

bool OpenOutputApplication() noexcept
{
    try {
        if (!SystemHasFileReferences()) return false;
        platform::FileSystemRef bundle;
        const std::string path = std::string(kOutputApplicationFolder) + kOutputApplicationName;
        return platform::MakeFileSystemRef(path, bundle, nullptr) && platform::OpenFileSystemItem(bundle);
    } catch (...) {
        return false;
    }
}
