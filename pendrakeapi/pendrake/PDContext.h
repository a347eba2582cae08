/* The Context suite: a plug-in that acts outside a host message (in a panel event) first makes the host's
   application context its own, and restores the previous one afterwards. */
#ifndef PENDRAKE_PDCONTEXT_H
#define PENDRAKE_PDCONTEXT_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDContextSuite "PD Context Suite"
#define kPDContextSuiteVersion7 7
#define kPDContextSuiteVersion1006 1006

typedef struct PDContextSuite7 {
    /* Saves the current application context in *saved and makes plugin the one the host acts for. Pushes nest;
       each is undone by one PopAppContext with its saved value. */
    ZBErr (*PushAppContext)(ZBPlugin* plugin, PDAppContextHandle* saved);
    /* Restores a context saved by PushAppContext. kBadParameterErr when saved is not the innermost push. */
    ZBErr (*PopAppContext)(PDAppContextHandle saved);
} PDContextSuite7;

typedef PDContextSuite7 PDContextSuite1006;

#ifdef __cplusplus
}
#endif

#endif
