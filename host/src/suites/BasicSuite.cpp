#include <cstring>

#include "CoreSuites.h"
#include "HostCall.h"
#include "pendrake/ZBBasic.h"

namespace host {
namespace {

ZBErr AcquireSuite(const char* name, int32_t version, const void** suite)
{
    return HostCall("AcquireSuite",
                    [&](Host& host) { return host.Suites().Acquire(name, version, suite, host.ActivePlugin()); });
}

ZBErr ReleaseSuite(const char* name, int32_t version)
{
    return HostCall("ReleaseSuite", [&](Host& host) {
        const ZBErr result = host.Suites().Release(name, version, host.ActivePlugin());
        if (result != kNoErr && name)
            host.GetChecks().Violation("ReleaseSuite of " + std::string(name) + " " + std::to_string(version) +
                                       " that is not held");
        return result;
    });
}

ZBBoolean IsEqual(const char* a, const char* b)
{
    // No host state involved: answered even without a host, and never counted as a call out of context.
    return a && b && std::strcmp(a, b) == 0 ? 1 : 0;
}

ZBErr AllocateBlock(size_t size, void** block)
{
    return HostCall("AllocateBlock", [&](Host& host) { return host.AllocateBlock(size, "Basic suite block", block); });
}

ZBErr FreeBlock(void* block)
{
    return HostCall("FreeBlock", [&](Host& host) { return host.DisposeBlock(block, "FreeBlock"); });
}

ZBErr ReallocateBlock(void* block, size_t newSize, void** newBlock)
{
    return HostCall("ReallocateBlock",
                    [&](Host& host) { return host.ReallocateBlock(block, newSize, nullptr, newBlock); });
}

ZBErr Undefined() { return kCantHappenErr; }

const ZBBasicSuite4 kBasicSuite = {AcquireSuite, ReleaseSuite,    IsEqual,  AllocateBlock,
                                   FreeBlock,    ReallocateBlock, Undefined};

}  // namespace

const ZBBasicSuite4* BasicSuite() { return &kBasicSuite; }

void OfferBasicSuite(SuiteRegistry& registry) { registry.Offer(kZBBasicSuite, kZBBasicSuiteVersion4, &kBasicSuite); }

}  // namespace host
