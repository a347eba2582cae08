/* The Action Manager suite: plays the host's actions by name with a parameter block of typed entries keyed by
   four-character codes. A block made by NewActionParamValue belongs to the caller until
   DeleteActionParamValue; the host copies what it needs when an action is played. */
#ifndef PENDRAKE_PDACTIONMANAGER_H
#define PENDRAKE_PDACTIONMANAGER_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDActionManagerSuite "PD Action Manager Suite"
#define kPDActionManagerSuiteVersion5 5
#define kPDActionManagerSuiteVersion1004 1004 /* the same layout with single-precision PDReal */

/* Dialog status of PlayActionEvent. */
#define kPDDialogOff 0 /* play without the action's dialog */
#define kPDDialogOn 1  /* show the dialog with the block's values as its initial settings */

/* Entry types. */
#define kPDActionTypeInteger 1
#define kPDActionTypeReal 2
#define kPDActionTypeUnitReal 3
#define kPDActionTypeEnumerated 4
#define kPDActionTypeBoolean 5
#define kPDActionTypeString 6

/* Units of unit reals. */
#define kPDUnitPixels PD_FOURCC('#', 'P', 'x', 'l')

/* Parameter keys of the host's path actions. The offset action: the offset and the miter limit (unit reals) and
   the join (enumerated, one of the three values below). The pathfinder actions: expand appearances first. */
#define kPDOffsetPathOffsetKey PD_FOURCC('o', 'f', 's', 't')
#define kPDOffsetPathMiterLimitKey PD_FOURCC('m', 'i', 't', 'r')
#define kPDOffsetPathJoinKey PD_FOURCC('j', 'n', 't', 'p')
#define kPDOffsetPathJoinRound 1
#define kPDOffsetPathJoinMiter 2
#define kPDOffsetPathJoinBevel 3
#define kPDPathfinderExpandKey PD_FOURCC('x', 'p', 'n', 'd')

typedef struct PDActionManagerSuite5 {
    /* Plays the action eventName with dialogStatus; params may be null. kNotFoundErr for an action the host
       does not know; otherwise the action's own result. */
    ZBErr (*PlayActionEvent)(const char* eventName, int32_t dialogStatus, PDActionParamValueRef params);
    /* Make and free a parameter block. */
    ZBErr (*NewActionParamValue)(PDActionParamValueRef* params);
    ZBErr (*DeleteActionParamValue)(PDActionParamValueRef params);
    /* Count the entries and store the n-th key (in the order they were first set). */
    ZBErr (*CountActionParamValues)(PDActionParamValueRef params, int32_t* count);
    ZBErr (*GetNthActionParamKey)(PDActionParamValueRef params, int32_t n, int32_t* key);
    /* Stores the entry's type (kPDActionType...); kNoSuchKeyErr when absent. */
    ZBErr (*GetActionParamType)(PDActionParamValueRef params, int32_t key, int32_t* type);
    /* Set an entry, replacing any entry of that key. Getters give kNoSuchKeyErr when absent and
       kWrongTypeErr when the entry has another type. Texts are copied; got texts are host-owned and valid
       while the entry exists. */
    ZBErr (*SetInteger)(PDActionParamValueRef params, int32_t key, int32_t value);
    ZBErr (*GetInteger)(PDActionParamValueRef params, int32_t key, int32_t* value);
    ZBErr (*SetReal)(PDActionParamValueRef params, int32_t key, PDReal value);
    ZBErr (*GetReal)(PDActionParamValueRef params, int32_t key, PDReal* value);
    ZBErr (*SetUnitReal)(PDActionParamValueRef params, int32_t key, int32_t unit, PDReal value);
    ZBErr (*GetUnitReal)(PDActionParamValueRef params, int32_t key, int32_t* unit, PDReal* value);
    ZBErr (*SetEnumerated)(PDActionParamValueRef params, int32_t key, const char* name, int32_t value);
    ZBErr (*GetEnumerated)(PDActionParamValueRef params, int32_t key, const char** name, int32_t* value);
    ZBErr (*SetBoolean)(PDActionParamValueRef params, int32_t key, ZBBoolean value);
    ZBErr (*GetBoolean)(PDActionParamValueRef params, int32_t key, ZBBoolean* value);
    ZBErr (*SetString)(PDActionParamValueRef params, int32_t key, const char* value);
    ZBErr (*GetString)(PDActionParamValueRef params, int32_t key, const char** value);
} PDActionManagerSuite5;

typedef PDActionManagerSuite5 PDActionManagerSuite1004;

#ifdef __cplusplus
}
#endif

#endif
