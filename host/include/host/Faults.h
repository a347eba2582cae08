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
    // The next `times` calls of the operation (by its field name in the suite, e.g. "AddNotifier"; every
    // call when times is negative) return code without doing anything.
    void FailCall(const std::string& operation, ZBErr code, int32_t times = -1);
    void Clear();
    // The code the operation must fail with now, or 0; counts the use.
    ZBErr Take(const char* operation);

private:
    struct Fault {
        ZBErr code;
        int32_t remaining;
    };
    std::map<std::string, Fault, std::less<>> fFaults;
};

}  // namespace host

#endif
