// Host calls made to fail on purpose, so that tests reach the plug-ins' failure paths.
#ifndef HOST_FAULTS_H
#define HOST_FAULTS_H

#include <cstdint>
#include <map>
#include <string>

#include "pendrake/PDTypes.h"

namespace host {

class Faults {
public:
    // After `skip` calls that run as usual, the next `times` calls of the operation (by its field name in the
    // suite, e.g. "AddNotifier"; every further call when times is negative) return code without doing anything.
    void FailCall(const std::string& operation, ZBErr code, int32_t times = -1, int32_t skip = 0);
    void Clear();
    // The code the operation must fail with now, or 0; counts the use.
    ZBErr Take(const char* operation) { return fFaults.empty() ? 0 : TakeListed(operation); }
    // How many calls have been made to fail so far.
    int64_t Injected() const { return fInjected; }

    // Reads "CALL" (every call fails) or "CALL:N" (the Nth call, counted from 1, fails once), the form the
    // program's --fail option takes. False for any other text.
    bool FailCallByText(const std::string& text, ZBErr code);

private:
    ZBErr TakeListed(const char* operation);

    struct Fault {
        ZBErr code;
        int32_t remaining;
        int32_t skip;
    };
    int64_t fInjected = 0;
    std::map<std::string, Fault, std::less<>> fFaults;
};

}  // namespace host

#endif
