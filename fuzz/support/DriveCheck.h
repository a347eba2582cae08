// What a driven run finds wrong ends the process at once with a message on standard error and abort(), so that
// libFuzzer keeps the input and the soak's run fails with the reason.
#ifndef FUZZ_SUPPORT_DRIVECHECK_H
#define FUZZ_SUPPORT_DRIVECHECK_H

#include <string>

namespace drive {

[[noreturn]] void Fail(const std::string& what);
inline void Require(bool holds, const std::string& what)
{
    if (!holds) Fail(what);
}

}  // namespace drive

#endif
