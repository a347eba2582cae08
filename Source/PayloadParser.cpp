#include "PayloadParser.h"

#include <string>

#include "pendrake/IPDNumberFormat.h"

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

int32_t ParseOperation(const pd::UnicodeString& payload)
{
    const pd::UnicodeString text = GetElement(payload, "operation");
    if (text.empty()) return -1;
    int32_t operation = 0;
    pd::NumberFormat().ToInteger(text, operation);  // a text that is no integer leaves 0
    return operation;
}

int32_t GetElementInt32(const pd::UnicodeString& payload, const char* name)
{
    int32_t value = 0;
    pd::NumberFormat().ToInteger(GetElement(payload, name), value);  // a failed reading leaves 0
    return value;
}

double GetElementDouble(const pd::UnicodeString& payload, const char* name)
{
    double value = 0;
    pd::NumberFormat().ToReal(GetElement(payload, name), value);  // a failed reading leaves 0
    return value;
}
