/* The Runtime suite: facts about the running host. */
#ifndef PENDRAKE_PDRUNTIME_H
#define PENDRAKE_PDRUNTIME_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDRuntimeSuite "PD Runtime Suite"
#define kPDRuntimeSuiteVersion12 12
#define kPDRuntimeSuiteVersion1011 1011

/* Versions 12 and 1011 share this layout. */
typedef struct PDRuntimeSuite12 {
    /* Stores the application's name (host-owned, valid while the host runs). */
    ZBErr (*GetAppName)(const char** name);
    /* Store the application's major and minor version numbers. */
    ZBErr (*GetAppMajorVersion)(int32_t* major);
    ZBErr (*GetAppMinorVersion)(int32_t* minor);
} PDRuntimeSuite12;

typedef PDRuntimeSuite12 PDRuntimeSuite1011;

#ifdef __cplusplus
}
#endif

#endif
