#include "pendrake/IPDAutoBuffer.h"

#include "pendrake/PDWrapperSuites.h"

namespace pd {

void* ZBAlloc::AllocateBlock(std::size_t byteCount)
{
    void* block = nullptr;
    if (!sZBBlocks || sZBBlocks->AllocateBlock(byteCount, "pd::ZBAlloc::AllocateBlock", &block) != kNoErr || !block)
        throw Error(kOutOfMemoryErr);
    return block;
}

void ZBAlloc::DeleteBlock(void* block) noexcept
{
    if (block && sZBBlocks) sZBBlocks->DisposeBlock(block);
}

}  // namespace pd
