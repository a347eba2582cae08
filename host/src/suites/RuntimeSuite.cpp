#include "CoreSuites.h"
#include "HostCall.h"
#include "pendrake/PDRuntime.h"

namespace host {
namespace {

ZBErr GetAppName(const char** name)
{
    return HostCall("GetAppName", [&](Host& host) {
        if (!name) return kBadParameterErr;
        *name = host.Options().appName.c_str();
        return kNoErr;
    });
}

ZBErr GetAppMajorVersion(int32_t* major)
{
    return HostCall("GetAppMajorVersion", [&](Host& host) {
        if (!major) return kBadParameterErr;
        *major = host.Options().appMajorVersion;
        return kNoErr;
    });
}

ZBErr GetAppMinorVersion(int32_t* minor)
{
    return HostCall("GetAppMinorVersion", [&](Host& host) {
        if (!minor) return kBadParameterErr;
        *minor = host.Options().appMinorVersion;
        return kNoErr;
    });
}

const PDRuntimeSuite12 kRuntimeSuite = {GetAppName, GetAppMajorVersion, GetAppMinorVersion};

}  // namespace

void OfferRuntimeSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDRuntimeSuite, kPDRuntimeSuiteVersion12, &kRuntimeSuite);
    registry.Offer(kPDRuntimeSuite, kPDRuntimeSuiteVersion1011, &kRuntimeSuite);
}

}  // namespace host
