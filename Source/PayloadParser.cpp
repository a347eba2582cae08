#include "PayloadParser.h"

#include <string>

#include "pendrake/IPDError.h"
#include "pendrake/IPDNumberFormat.h"
#include "pendrake/ZBErrors.h"

pd::UnicodeString GetElement(const pd::UnicodeString& payload, const char* name)
{
    const std::string tagName = name ? name : "";
    const pd::UnicodeString opening("<" + tagName + ">");
    const pd::UnicodeString closing("</" + tagName + ">");
    // Both tags are searched from the start of the payload.
    const auto openingAt = payload.find(opening);
    const auto closingAt = payload.find(closing);
    if (openingAt == pd::UnicodeString::npos || closingAt == pd::UnicodeString::npos) return pd::UnicodeString();
    const auto valueAt = openingAt + opening.length();
    if (closingAt <= valueAt) return pd::UnicodeString();
    return payload.substr(valueAt, closingAt - valueAt);
}

namespace {

// A text that is no number reads as 0; a host that cannot read the text at all must not make a value of 0 (a
// target of every path, a length of nothing) out of it.
void ThrowUnlessNumberOrNot(ZBErr result)
{
    if (result != kNoErr && result != kBadFormatErr) throw pd::Error(result);
}

int32_t ReadInteger(const pd::UnicodeString& text)
{
    int32_t value = 0;
    ThrowUnlessNumberOrNot(pd::NumberFormat().ToInteger(text, value));
    return value;
}

}  // namespace

int32_t ParseOperation(const pd::UnicodeString& payload)
{
    const pd::UnicodeString text = GetElement(payload, "operation");
    if (text.empty()) return -1;
    return ReadInteger(text);
}

int32_t GetElementInt32(const pd::UnicodeString& payload, const char* name)
{
    return ReadInteger(GetElement(payload, name));
}

double GetElementDouble(const pd::UnicodeString& payload, const char* name)
{
    double value = 0;
    ThrowUnlessNumberOrNot(pd::NumberFormat().ToReal(GetElement(payload, name), value));
    return value;
}
