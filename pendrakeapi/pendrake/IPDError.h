// pd::Error: a failed host call as an exception, so that no caller forgets a check.
#ifndef PENDRAKE_IPDERROR_H
#define PENDRAKE_IPDERROR_H

#include <cstdint>
#include <exception>
#include <new>
#include <string>

#include "PDTypes.h"
#include "ZBErrors.h"

namespace pd {

// The host's four-character code as text ('CANT'), or its number when it is not four printable characters.
inline std::string CodeText(ZBErr code)
{
    const auto value = static_cast<uint32_t>(code);
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((value >> shift) & 0xFF);
        if (c < ' ' || c > '~') return std::to_string(code);
        text += c;
    }
    return "'" + text + "'";
}

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
