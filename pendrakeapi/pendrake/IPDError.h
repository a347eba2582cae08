// pd::Error: a failed host call as an exception, so that no caller forgets a check.
#ifndef PENDRAKE_IPDERROR_H
#define PENDRAKE_IPDERROR_H

#include <exception>

#include "PDTypes.h"
#include "ZBErrors.h"

namespace pd {

class Error : public std::exception {
public:
    explicit Error(ZBErr code) noexcept : fCode(code) {}
    ZBErr Code() const noexcept { return fCode; }
    const char* what() const noexcept override { return "host call failed"; }

private:
    ZBErr fCode;
};

// Turns a nonzero host result into pd::Error at the call.
inline void Check(ZBErr code)
{
    if (code != kNoErr) throw Error(code);
}

}  // namespace pd

#endif
