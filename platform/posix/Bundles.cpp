// Bundles on Linux: a bundle is a folder, and its executable is the file inside it named like the folder without
// its extension ("Wirelet.framework/Wirelet"). The executable is loaded on the first function look-up, as the
// system's bundles do, and unloaded when the reference is released.
#include "platform/Platform.h"

#include <filesystem>
#include <new>
#include <system_error>

namespace platform {

struct Bundle {
    std::string fExecutablePath;
    ModuleHandle fModule = nullptr;
};

namespace {

// "/a/Wirelet.framework/" -> "/a/Wirelet.framework/Wirelet"; empty when the folder has no usable name.
std::string ExecutablePathOf(const std::string& folderPath)
{
    std::filesystem::path folder(folderPath);
    while (!folder.has_filename() && folder.has_relative_path()) {
        folder = folder.parent_path();
    }
    const std::filesystem::path stem = folder.filename().stem();
    if (stem.empty() || stem == "." || stem == "..") {
        return std::string();
    }
    return (folder / stem).string();
}

}  // namespace

BundleRef CreateBundle(const std::string& folderPath) noexcept
{
    try {
        std::error_code error;
        if (folderPath.empty() || folderPath.find('\0') != std::string::npos ||
            !std::filesystem::is_directory(folderPath, error)) {
            return nullptr;
        }
        std::string executable = ExecutablePathOf(folderPath);
        if (executable.empty()) {
            return nullptr;
        }
        return new Bundle{std::move(executable), nullptr};
    } catch (...) {
        return nullptr;
    }
}

void* BundleFunctionPointer(BundleRef bundle, const char* name) noexcept
{
    if (bundle == nullptr || name == nullptr) {
        return nullptr;
    }
    if (bundle->fModule == nullptr) {
        // A failed load is tried again on the next look-up, so that an executable put in place later is found.
        bundle->fModule = LoadModule(bundle->fExecutablePath);
        if (bundle->fModule == nullptr) {
            return nullptr;
        }
    }
    return FindSymbol(bundle->fModule, name);
}

bool BundleIsExecutableLoaded(BundleRef bundle) noexcept { return bundle != nullptr && bundle->fModule != nullptr; }

void ReleaseBundle(BundleRef bundle) noexcept
{
    if (bundle == nullptr) {
        return;
    }
    if (bundle->fModule != nullptr) {
        FreeModule(bundle->fModule);
    }
    delete bundle;
}

}  // namespace platform
