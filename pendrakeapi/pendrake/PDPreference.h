/* The Preference suite: values kept by the host across runs, under a prefix (usually the plug-in's name) and a key. */
#ifndef PENDRAKE_PDPREFERENCE_H
#define PENDRAKE_PDPREFERENCE_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDPreferenceSuite "PD Preference Suite"
#define kPDPreferenceSuiteVersion6 6
#define kPDPreferenceSuiteVersion1005 1005 /* the same layout with single-precision PDReal */

typedef struct PDPreferenceSuite6 {
    /* Store the value under prefix and key in *value. kNoSuchKeyErr when the store has none (or holds a
       value that is not of the asked kind), leaving *value unchanged. */
    ZBErr (*GetIntegerPreference)(const char* prefix, const char* key, int32_t* value);
    ZBErr (*GetRealPreference)(const char* prefix, const char* key, PDReal* value);
    ZBErr (*GetBooleanPreference)(const char* prefix, const char* key, ZBBoolean* value);
    /* Set the value under prefix and key; the host writes the store when it quits. */
    ZBErr (*PutIntegerPreference)(const char* prefix, const char* key, int32_t value);
    ZBErr (*PutRealPreference)(const char* prefix, const char* key, PDReal value);
    ZBErr (*PutBooleanPreference)(const char* prefix, const char* key, ZBBoolean value);
    /* Removes the value; kNoSuchKeyErr when there is none. */
    ZBErr (*RemovePreference)(const char* prefix, const char* key);
} PDPreferenceSuite6;

typedef PDPreferenceSuite6 PDPreferenceSuite1005;

#ifdef __cplusplus
}
#endif

#endif
