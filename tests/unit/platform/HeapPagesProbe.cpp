// Calls PreferLargeHeapPages first thing, as a program's main does, then prints how far the break moved and
// whether a mapping of the heap carries the huge page advice ("hg" among its flags).
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>

#include "platform/Platform.h"

int main()
{
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    platform::PreferLargeHeapPages();
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));

    // smaps: a line "START-END perms offset device inode [name]" heads each mapping, lines "Name: value" follow.
    bool advised = false;
    bool inStep = false;
    std::ifstream maps("/proc/self/smaps");
    for (std::string line; std::getline(maps, line);) {
        const std::size_t dash = line.find('-');
        const std::size_t space = line.find(' ');
        if (dash != std::string::npos && dash < space) {
            const std::uintptr_t start = std::stoull(line.substr(0, dash), nullptr, 16);
            inStep = start >= before && start < after;
        } else if (inStep && line.rfind("VmFlags:", 0) == 0 && line.find(" hg") != std::string::npos) {
            advised = true;
        }
    }
    std::cout << "break moved " << (after - before) / (1 << 20) << " MiB, advised " << (advised ? "yes" : "no") << '\n';
    return 0;
}
