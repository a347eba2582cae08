/* The Tag suite: named values stored with art objects and saved with the document. A tag has a type: "string"
   (value: const char*, copied), "integer" (int32_t*), "real" (PDReal*) or "boolean" (ZBBoolean*). */
#ifndef PENDRAKE_PDTAG_H
#define PENDRAKE_PDTAG_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDTagSuite "PD Tag Suite"
#define kPDTagSuiteVersion4 4
#define kPDTagSuiteVersion1003 1003

#define kPDStringTagType "string"

/* Versions 4 and 1003 share this layout. */
typedef struct PDTagSuite4 {
    /* Sets the tag name of type on art to value; for "string", value is the NUL-terminated text itself.
       An existing tag of that name is replaced. kBadParameterErr for an unknown type, a null argument, or a
       name or string value that is not valid UTF-8 (the document is saved as UTF-8). */
    ZBErr (*SetTag)(PDArtHandle art, const char* name, const char* type, const void* value);
    /* Reads the tag; for "string", value is a const char** that receives host-owned text, valid until the tag
       changes or the object goes. value may be null to test presence only. kNoSuchKeyErr when art has no tag
       of that name, kWrongTypeErr when it has one of another type. */
    ZBErr (*GetTag)(PDArtHandle art, const char* name, const char* type, void* value);
    /* Stores the type of the tag name (host-owned text). kNoSuchKeyErr when absent. */
    ZBErr (*GetTagType)(PDArtHandle art, const char* name, const char** type);
    /* Count and list the tag names of art, in the order they were first set. */
    ZBErr (*CountTags)(PDArtHandle art, int32_t* count);
    ZBErr (*GetNthTag)(PDArtHandle art, int32_t n, const char** name);
    /* Removes the tag; kNoSuchKeyErr when absent. */
    ZBErr (*RemoveTag)(PDArtHandle art, const char* name);
} PDTagSuite4;

typedef PDTagSuite4 PDTagSuite1003;

#ifdef __cplusplus
}
#endif

#endif
