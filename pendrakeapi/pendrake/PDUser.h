/* The User suite: texts for the user. */
#ifndef PENDRAKE_PDUSER_H
#define PENDRAKE_PDUSER_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDUserSuite "PD User Suite"
#define kPDUserSuiteVersion11 11
#define kPDUserSuiteVersion1010 1010 /* the same layout with single-precision PDReal */

typedef struct PDUserSuite11 {
    /* Replaces text with value written with precision digits after the point (0: a plain integer, rounded
       half away from zero). kBadParameterErr for a precision outside 0 to 10 or a value that is not finite. */
    ZBErr (*RealToString)(PDReal value, int16_t precision, PDUnicodeStringRef text);
    /* Shows an error alert with the text (UTF-8); the host substitute records it instead of showing it. */
    ZBErr (*ErrorAlert)(const char* text);
} PDUserSuite11;

typedef PDUserSuite11 PDUserSuite1010;

#ifdef __cplusplus
}
#endif

#endif
