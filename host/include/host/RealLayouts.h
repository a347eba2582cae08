// The host serves every suite that carries reals twice: with double precision under the Windows feature set's
// versions and with single precision under the macOS feature set's. These templates are the host's picture of
// those layouts; a check compiled in each precision compares them with the interface's own structs.
#ifndef HOST_REALLAYOUTS_H
#define HOST_REALLAYOUTS_H

#include <cstdint>

#include "pendrake/PDTypes.h"

namespace host {

template <typename Real>
struct UserSuiteLayout {
    ZBErr (*RealToString)(Real value, int16_t precision, PDUnicodeStringRef text);
    ZBErr (*ErrorAlert)(const char* text);
};

}  // namespace host

#endif
