// pd::ZBAlloc: memory from the host's Blocks suite; pd::AutoBuffer: an owned array in such a block.
#ifndef PENDRAKE_IPDAUTOBUFFER_H
#define PENDRAKE_IPDAUTOBUFFER_H

#include <cstddef>
#include <new>
#include <type_traits>

#include "IPDError.h"

namespace pd {

struct ZBAlloc {
    // Allocates under the block name "pd::ZBAlloc::AllocateBlock"; failure throws pd::Error(kOutOfMemoryErr).
    static void* AllocateBlock(std::size_t byteCount);
    // Frees a block of AllocateBlock; null is accepted. Never throws.
    static void DeleteBlock(void* block) noexcept;
};

// A fixed-size array of trivially copyable elements in one host block.
template <typename T>
class AutoBuffer {
    static_assert(std::is_trivially_copyable_v<T>, "AutoBuffer holds plain records only");

public:
    explicit AutoBuffer(std::size_t count)
        : fCount(count), fData(count ? static_cast<T*>(ZBAlloc::AllocateBlock(ByteCount(count))) : nullptr)
    {
    }
    AutoBuffer(const AutoBuffer&) = delete;
    AutoBuffer& operator=(const AutoBuffer&) = delete;
    ~AutoBuffer() { ZBAlloc::DeleteBlock(fData); }

    T* GetBuffer() noexcept { return fData; }
    const T* GetBuffer() const noexcept { return fData; }
    std::size_t GetCount() const noexcept { return fCount; }
    T& operator[](std::size_t i) noexcept { return fData[i]; }

private:
    static std::size_t ByteCount(std::size_t count)
    {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw Error(kOutOfMemoryErr);
        return count * sizeof(T);
    }

    std::size_t fCount;
    T* fData;
};

}  // namespace pd

#endif
