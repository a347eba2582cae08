// Large pages on Windows need a privilege that users do not have: the heap stays as it is.
#include "platform/Platform.h"

namespace platform {

void PreferLargeHeapPages() noexcept {}

void PrepareLargeHeap(std::size_t) noexcept {}

void StopFillingLargeHeap() noexcept {}

}  // namespace platform
