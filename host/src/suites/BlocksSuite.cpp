#include <cstdlib>

#include "CoreSuites.h"
#include "HostCall.h"
#include "pendrake/ZBBlocks.h"

namespace host {
namespace {

ZBErr AllocateBlock(size_t size, const char* name, void** block)
{
    return HostCall("AllocateBlock", [&](Host& host) {
        if (!block) return kBadParameterErr;
        *block = std::malloc(size ? size : 1);
        if (!*block) return kOutOfMemoryErr;
        host.Blocks()[*block] = {size, name ? name : ""};
        return kNoErr;
    });
}

ZBErr DisposeBlock(void* block)
{
    return HostCall("DisposeBlock", [&](Host& host) {
        if (host.Blocks().erase(block) == 0) {
            host.GetChecks().Violation("DisposeBlock of a block the host did not hand out");
            return kBadParameterErr;
        }
        std::free(block);
        return kNoErr;
    });
}

ZBErr ReallocateBlock(void* block, size_t newSize, const char* name, void** newBlock)
{
    return HostCall("ReallocateBlock", [&](Host& host) {
        const auto found = host.Blocks().find(block);
        if (found == host.Blocks().end() || !newBlock) return kBadParameterErr;
        void* moved = std::realloc(block, newSize ? newSize : 1);
        if (!moved) return kOutOfMemoryErr;
        host.Blocks().erase(found);
        host.Blocks()[moved] = {newSize, name ? name : ""};
        *newBlock = moved;
        return kNoErr;
    });
}

ZBErr SizeOfBlock(void* block, size_t* size)
{
    return HostCall("SizeOfBlock", [&](Host& host) {
        const auto found = host.Blocks().find(block);
        if (found == host.Blocks().end() || !size) return kBadParameterErr;
        *size = found->second.size;
        return kNoErr;
    });
}

const ZBBlocksSuite2 kBlocksSuite = {AllocateBlock, DisposeBlock, ReallocateBlock, SizeOfBlock};

}  // namespace

void OfferBlocksSuite(SuiteRegistry& registry) { registry.Offer(kZBBlocksSuite, kZBBlocksSuiteVersion2, &kBlocksSuite); }

}  // namespace host
