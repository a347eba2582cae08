// Calls PreferLargeHeapPages first thing, as a program's main does, and with an argument N also
// PrepareLargeHeap(N MiB); then prints how far the break moved, whether mappings of the heap carry the huge page
// advice ("hg" among their flags), and whether the blocks allocated next (a small one, and one of a megabyte, the
// size of an artwork's text, or of N - 8 MiB after PrepareLargeHeap) lie inside such mappings.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

int main(int argc, char** argv)
{
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    const std::size_t prepared = argc > 1 ? std::stoul(argv[1]) * kMiB : 0;
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    platform::PreferLargeHeapPages();
    if (prepared) platform::PrepareLargeHeap(prepared);
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::size_t largeSize = prepared ? prepared - 8 * kMiB : kMiB;
    void* const small = std::malloc(64);
    void* const large = std::malloc(largeSize);

    // smaps: a line "START-END perms offset device inode [name]" heads each mapping, lines "Name: value" follow.
    std::vector<std::pair<std::uintptr_t, std::uintptr_t>> advised;
    std::pair<std::uintptr_t, std::uintptr_t> mapping;
    bool inStep = false;
    std::ifstream maps("/proc/self/smaps");
    for (std::string line; std::getline(maps, line);) {
        const std::size_t dash = line.find('-');
        const std::size_t space = line.find(' ');
        if (dash != std::string::npos && dash < space) {
            mapping = {std::stoull(line.substr(0, dash), nullptr, 16),
                       std::stoull(line.substr(dash + 1, space - dash - 1), nullptr, 16)};
            inStep = mapping.first < after && mapping.second > before;  // the heap's growth, or part of it
        } else if (inStep && line.rfind("VmFlags:", 0) == 0 && line.find(" hg") != std::string::npos) {
            // Mappings that follow each other count as one.
            if (!advised.empty() && advised.back().second == mapping.first)
                advised.back().second = mapping.second;
            else
                advised.push_back(mapping);
        }
    }
    auto inAdvised = [&](const void* block, std::size_t size) {
        const auto at = reinterpret_cast<std::uintptr_t>(block);
        return std::any_of(advised.begin(), advised.end(),
                           [&](const auto& range) { return at >= range.first && at + size <= range.second; });
    };
    const bool next = inAdvised(small, 64) && inAdvised(large, largeSize);
    std::cout << "break moved " << (after - before) / kMiB << " MiB, advised " << (advised.empty() ? "no" : "yes")
              << ", next blocks in large pages " << (next ? "yes" : "no");
    if (prepared) {
        // The room is filled in by a thread of its own while the program writes to it: what the program wrote
        // stays. The probe waits until the filling has ended (the resident size stops growing) before it looks.
        auto* const bytes = static_cast<unsigned char*>(large);
        for (std::size_t i = 0; i < largeSize; i += 4096) bytes[i] = static_cast<unsigned char>(i / 4096 % 251 + 1);
        long resident = -1;
        for (int steady = 0, round = 0; steady < 5 && round < 500; ++round) {
            std::ifstream status("/proc/self/status");
            long now = 0;
            for (std::string line; std::getline(status, line);)
                if (line.rfind("VmRSS:", 0) == 0) now = std::stol(line.substr(6));
            steady = now == resident ? steady + 1 : 0;
            resident = now;
            usleep(20000);
        }
        bool kept = true;
        for (std::size_t i = 0; i < largeSize; i += 4096)
            kept = kept && bytes[i] == static_cast<unsigned char>(i / 4096 % 251 + 1);
        std::cout << ", what was written kept " << (kept ? "yes" : "no");
    }
    std::cout << '\n';
    std::free(large);
    std::free(small);
    return 0;
}
