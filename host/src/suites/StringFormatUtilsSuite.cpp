#include <charconv>
#include <cmath>
#include <cstdio>

#include "CoreSuites.h"
#include "HostCall.h"
#include "host/NumberText.h"
#include "host/Utf.h"
#include "pendrake/PDStringFormatUtils.h"

namespace host {
namespace {

template <typename Body>
ZBErr WithText(const char* operation, PDUnicodeStringRef handle, Body&& body)
{
    return HostCall(operation, [&](Host& host) {
        PDUnicodeStringOpaque* string = FindString(host, handle);
        if (!string) {
            host.GetChecks().Violation(std::string(operation) + " with an unknown string");
            return kBadObjectErr;
        }
        return body(*string);
    });
}

ZBErr StringToInteger(PDNumberFormatRef, PDUnicodeStringRef text, int32_t* value)
{
    return WithText("StringToInteger", text, [&](PDUnicodeStringOpaque& string) {
        if (!value) return kBadParameterErr;
        return ParseDecimalInteger(EncodeUtf8(string.text), *value) ? kNoErr : kBadFormatErr;
    });
}

ZBErr StringToReal(PDNumberFormatRef, PDUnicodeStringRef text, double* value)
{
    return WithText("StringToReal", text, [&](PDUnicodeStringOpaque& string) {
        if (!value) return kBadParameterErr;
        return ParseDecimalReal(EncodeUtf8(string.text), *value) ? kNoErr : kBadFormatErr;
    });
}

ZBErr IntegerToString(PDNumberFormatRef, int32_t value, PDUnicodeStringRef text)
{
    return WithText("IntegerToString", text, [&](PDUnicodeStringOpaque& string) {
        string.text = DecodeUtf8(std::to_string(value));
        return kNoErr;
    });
}

ZBErr RealToString(PDNumberFormatRef, double value, int32_t precision, PDUnicodeStringRef text)
{
    return WithText("RealToString", text, [&](PDUnicodeStringOpaque& string) {
        std::string written;
        if (!FormatFixed(value, precision, written)) return kBadParameterErr;
        string.text = DecodeUtf8(written);
        return kNoErr;
    });
}

const PDStringFormatUtilsSuite3 kStringFormatUtilsSuite = {StringToInteger, StringToReal, IntegerToString, RealToString};

}  // namespace

void OfferStringFormatUtilsSuite(SuiteRegistry& registry)
{
    for (int32_t version :
         {kPDStringFormatUtilsSuiteVersion2, kPDStringFormatUtilsSuiteVersion3, kPDStringFormatUtilsSuiteVersion1002})
        registry.Offer(kPDStringFormatUtilsSuite, version, &kStringFormatUtilsSuite);
}

}  // namespace host
