#include "ResidentMemory.h"

#include <malloc.h>
#include <unistd.h>

#include <fstream>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's count of the bytes in use (declared by hand: GCC installs no sanitizer headers).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace soak {

uint64_t ResidentKiB()
{
    std::ifstream statm("/proc/self/statm");
    uint64_t size = 0;
    uint64_t resident = 0;
    if (!(statm >> size >> resident)) return 0;
    return resident * static_cast<uint64_t>(sysconf(_SC_PAGESIZE)) / 1024;
}

uint64_t LiveHeapKiB()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes() / 1024;
#else
    return mallinfo2().uordblks / 1024;
#endif
}

}  // namespace soak
