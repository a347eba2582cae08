// pd::Error: a failed host call as an exception, so that no caller forgets a check.
#ifndef PENDRAKE_IPDERROR_H
#define PENDRAKE_IPDERROR_H

#include <exception>
#include <new>

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

// The one firewall between plug-in code and a C caller (an entry point, a notifier, a panel listener, a library
// binding): runs work and turns whatever it throws into a host code, most specific first: a pd::Error gives its
// code, an allocation failure '!MEM', anything else 'CANT'. Nothing leaves it.
template <typename Work>
ZBErr CodeOfWork(Work&& work) noexcept
{
    try {
        return work();
    } catch (const Error& error) {
        return error.Code();
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    } catch (...) {
        return kCantHappenErr;
    }
}

}  // namespace pd

#endif
