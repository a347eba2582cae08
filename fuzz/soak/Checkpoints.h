// What a long run keeps, looked at now and then: resident memory, the host objects the plug-ins hold, the
// panel listeners, the live heap and the bytes on disk. After the first checkpoint (the end of the warm-up) the
// counts must not grow, resident memory and the heap by no more than their bounds, and the disk use must stay
// small.
#ifndef FUZZ_SOAK_CHECKPOINTS_H
#define FUZZ_SOAK_CHECKPOINTS_H

#include <cstdint>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace soak {

struct Checkpoint {
    uint64_t step = 0;
    uint64_t residentKiB = 0;
    uint64_t heapKiB = 0;
    uint64_t diskBytes = 0;
    std::vector<std::pair<std::string, uint64_t>> counts;  // name, value
};

class Checkpoints {
public:
    struct Bounds {
        uint64_t residentGrowthKiB = 0;  // how far resident memory may rise above the first checkpoint
        uint64_t heapGrowthKiB = 0;      // the same for the live heap
        uint64_t diskBytes = 0;          // the most the sandbox may hold
    };
    explicit Checkpoints(const Bounds& bounds) : fBounds(bounds) {}

    // Records a checkpoint, writes it as one line to log, and returns the first problem (empty: none).
    std::string Add(Checkpoint checkpoint, std::ostream& log);
    const std::vector<Checkpoint>& All() const { return fAll; }

private:
    Bounds fBounds;
    std::vector<Checkpoint> fAll;
};

}  // namespace soak

#endif
