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

ZBErr StringToInteger(PDNumberFormatRef, PDUnicodeStringRef text, int32_t* value)
{
    return WithString("StringToInteger", text, [&](Host&, PDUnicodeStringOpaque& string) {
        if (!value) return kBadParameterErr;
        return ParseDecimalInteger(EncodeUtf8(string.text), *value) ? kNoErr : kBadFormatErr;
    });
}

ZBErr StringToReal(PDNumberFormatRef, PDUnicodeStringRef text, double* value)
{
    return WithString("StringToReal", text, [&](Host&, PDUnicodeStringOpaque& string) {
        if (!value) return kBadParameterErr;
        return ParseDecimalReal(EncodeUtf8(string.text), *value) ? kNoErr : kBadFormatErr;
    });
}

ZBErr IntegerToString(PDNumberFormatRef, int32_t value, PDUnicodeStringRef text)
{
    return WithString("IntegerToString", text, [&](Host&, PDUnicodeStringOpaque& string) {
        string.text = DecodeUtf8(std::to_string(value));
        return kNoErr;
    });
}

ZBErr RealToString(PDNumberFormatRef, double value, int32_t precision, PDUnicodeStringRef text)
{
    return WithString("RealToString", text, [&](Host&, PDUnicodeStringOpaque& string) {
        std::string written;
        if (!FormatFixed(value, precision, written)) return kBadParameterErr;
        string.text = DecodeUtf8(written);
        return kNoErr;
    });
}

const PDStringFormatUtilsSuite3 kStringFormatUtilsSuite = {StringToInteger, StringToReal, IntegerToString,
                                                           RealToString};

}  // namespace

void OfferStringFormatUtilsSuite(SuiteRegistry& registry)
{
    for (int32_t version :
         {kPDStringFormatUtilsSuiteVersion2, kPDStringFormatUtilsSuiteVersion3, kPDStringFormatUtilsSuiteVersion1002})
        registry.Offer(kPDStringFormatUtilsSuite, version, &kStringFormatUtilsSuite);
}

}  // namespace host
