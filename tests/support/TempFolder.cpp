#include "TempFolder.h"

#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

TempFolder::TempFolder()
{
    // A name nobody else has, made exclusively: create_directory fails on a name that exists.
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate = base / ("markplug-test-" + std::to_string(random()));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            fPath = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder in " + base.string());
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(fPath, error);
}
