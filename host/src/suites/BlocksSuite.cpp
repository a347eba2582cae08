#include "CoreSuites.h"
#include "HostCall.h"
#include "pendrake/ZBBlocks.h"

namespace host {
namespace {

ZBErr AllocateBlock(size_t size, const char* name, void** block)
{
    return HostCall("AllocateBlock", [&](Host& host) { return host.AllocateBlock(size, name, block); });
}

ZBErr DisposeBlock(void* block)
{
    return HostCall("DisposeBlock", [&](Host& host) { return host.DisposeBlock(block, "DisposeBlock"); });
}

ZBErr ReallocateBlock(void* block, size_t newSize, const char* name, void** newBlock)
{
    return HostCall("ReallocateBlock",
                    [&](Host& host) { return host.ReallocateBlock(block, newSize, name, newBlock); });
}

ZBErr SizeOfBlock(void* block, size_t* size)
{
    return HostCall("SizeOfBlock", [&](Host& host) {
        const BlockInfo* found = host.FindBlock(block);
        if (!found || !size) return kBadParameterErr;
        *size = found->size;
        return kNoErr;
    });
}

const ZBBlocksSuite2 kBlocksSuite = {AllocateBlock, DisposeBlock, ReallocateBlock, SizeOfBlock};

}  // namespace

void OfferBlocksSuite(SuiteRegistry& registry)
{
    registry.Offer(kZBBlocksSuite, kZBBlocksSuiteVersion2, &kBlocksSuite);
}

}  // namespace host
