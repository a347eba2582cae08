#include "CoreSuites.h"
#include "HostCall.h"
#include "host/NumberText.h"
#include "host/RealLayouts.h"
#include "host/Utf.h"
#include "pendrake/PDUser.h"

namespace host {
namespace {

template <typename Real>
ZBErr RealToString(Real value, int16_t precision, PDUnicodeStringRef text)
{
    return HostCall("RealToString", [&](Host& host) {
        PDUnicodeStringOpaque* string = host.FindString(text);
        if (!string) return kBadParameterErr;
        std::string written;
        if (!FormatFixed(static_cast<double>(value), precision, written)) return kBadParameterErr;
        string->text = DecodeUtf8(written);
        return kNoErr;
    });
}

ZBErr ErrorAlert(const char* text)
{
    return HostCall("ErrorAlert", [&](Host& host) {
        if (!text) return kBadParameterErr;
        host.AddAlert(text);
        return kNoErr;
    });
}

template <typename Real>
const UserSuiteLayout<Real> kUserSuite = {RealToString<Real>, ErrorAlert};

}  // namespace

void OfferUserSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDUserSuite, kPDUserSuiteVersion11, &kUserSuite<double>);
    registry.Offer(kPDUserSuite, kPDUserSuiteVersion1010, &kUserSuite<float>);
}

}  // namespace host
