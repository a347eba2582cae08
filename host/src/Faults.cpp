#include "host/Faults.h"

namespace host {

void Faults::FailCall(const std::string& operation, ZBErr code, int32_t times) { fFaults[operation] = {code, times}; }

void Faults::Clear() { fFaults.clear(); }

ZBErr Faults::Take(const char* operation)
{
    if (fFaults.empty()) return 0;
    const auto found = fFaults.find(std::string_view(operation));
    if (found == fFaults.end()) return 0;
    const ZBErr code = found->second.code;
    if (found->second.remaining > 0 && --found->second.remaining == 0) fFaults.erase(found);
    return code;
}

}  // namespace host
