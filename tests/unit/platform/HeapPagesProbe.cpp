// Calls PreferLargeHeapPages first thing, as a program's main does, then prints how far the break moved, whether
// a mapping of the heap carries the huge page advice ("hg" among its flags), and whether the blocks allocated
// next (a small one, and one of a megabyte, the size of an artwork's text) lie inside such a mapping.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

int main()
{
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    platform::PreferLargeHeapPages();
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    void* const small = std::malloc(64);
    void* const large = std::malloc(std::size_t{1} << 20);

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
            inStep = mapping.first >= before && mapping.first < after;
        } else if (inStep && line.rfind("VmFlags:", 0) == 0 && line.find(" hg") != std::string::npos) {
            advised.push_back(mapping);
        }
    }
    auto inAdvised = [&](const void* block, std::size_t size) {
        const auto at = reinterpret_cast<std::uintptr_t>(block);
        for (const auto& [start, end] : advised)
            if (at >= start && at + size <= end) return true;
        return false;
    };
    const bool next = inAdvised(small, 64) && inAdvised(large, std::size_t{1} << 20);
    std::cout << "break moved " << (after - before) / (1 << 20) << " MiB, advised " << (advised.empty() ? "no" : "yes")
              << ", next blocks in large pages " << (next ? "yes" : "no") << '\n';
    std::free(large);
    std::free(small);
    return 0;
}
