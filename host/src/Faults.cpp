#include "host/Faults.h"

#include <charconv>

namespace host {

void Faults::FailCall(const std::string& operation, ZBErr code, int32_t times, int32_t skip)
{
    fFaults[operation] = {code, times, skip < 0 ? 0 : skip};
}

void Faults::Clear() { fFaults.clear(); }

ZBErr Faults::TakeListed(const char* operation)
{
    const auto found = fFaults.find(std::string_view(operation));
    if (found == fFaults.end()) return 0;
    Fault& fault = found->second;
    if (fault.skip > 0) {
        --fault.skip;
        return 0;
    }
    const ZBErr code = fault.code;
    if (fault.remaining > 0 && --fault.remaining == 0) fFaults.erase(found);
    ++fInjected;
    return code;
}

bool Faults::FailCallByText(const std::string& text, ZBErr code)
{
    const std::size_t colon = text.find(':');
    const std::string operation = text.substr(0, colon);
    if (operation.empty()) return false;
    for (const char c : operation)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    if (colon == std::string::npos) {
        FailCall(operation, code);
        return true;
    }
    int32_t nth = 0;
    const char* first = text.data() + colon + 1;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, nth);
    if (error != std::errc() || end != last || first == last || nth < 1) return false;
    FailCall(operation, code, 1, nth - 1);
    return true;
}

}  // namespace host
