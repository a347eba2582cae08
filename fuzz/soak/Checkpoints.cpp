#include "Checkpoints.h"

#include <ostream>

namespace soak {

std::string Checkpoints::Add(Checkpoint checkpoint, std::ostream& log)
{
    log << "  checkpoint " << checkpoint.step << ": resident " << checkpoint.residentKiB << " KiB, heap "
        << checkpoint.heapKiB << " KiB, disk " << checkpoint.diskBytes << " bytes";
    for (const auto& [name, value] : checkpoint.counts) log << ", " << name << " " << value;
    log << std::endl;
    fAll.push_back(std::move(checkpoint));
    const Checkpoint& first = fAll.front();
    const Checkpoint& last = fAll.back();
    if (last.diskBytes > fBounds.diskBytes)
        return "the sandbox holds " + std::to_string(last.diskBytes) + " bytes, more than " +
               std::to_string(fBounds.diskBytes);
    if (last.residentKiB > first.residentKiB + fBounds.residentGrowthKiB)
        return "resident memory grew from " + std::to_string(first.residentKiB) + " KiB to " +
               std::to_string(last.residentKiB) + " KiB, more than " + std::to_string(fBounds.residentGrowthKiB) +
               " KiB";
    if (last.heapKiB > first.heapKiB + fBounds.heapGrowthKiB)
        return "the heap grew from " + std::to_string(first.heapKiB) + " KiB to " + std::to_string(last.heapKiB) +
               " KiB, more than " + std::to_string(fBounds.heapGrowthKiB) + " KiB";
    for (std::size_t i = 0; i < last.counts.size() && i < first.counts.size(); ++i)
        if (last.counts[i].second > first.counts[i].second)
            return last.counts[i].first + " grew from " + std::to_string(first.counts[i].second) + " to " +
                   std::to_string(last.counts[i].second);
    return {};
}

}  // namespace soak
