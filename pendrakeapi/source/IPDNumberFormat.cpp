#include "pendrake/IPDNumberFormat.h"

#include "pendrake/PDWrapperSuites.h"

namespace pd {
namespace {

const PDStringFormatUtilsSuite3& Suite()
{
    if (!sPDStringFormatUtils) throw Error(kCantHappenErr);
    return *sPDStringFormatUtils;
}

}  // namespace

ZBErr NumberFormat::ToInteger(const UnicodeString& text, int32_t& value) const
{
    return Suite().StringToInteger(fRef, text.Get(), &value);
}

ZBErr NumberFormat::ToReal(const UnicodeString& text, double& value) const
{
    return Suite().StringToReal(fRef, text.Get(), &value);
}

}  // namespace pd
