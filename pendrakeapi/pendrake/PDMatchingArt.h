/* The Matching Art suite: lists of objects of the current document. A list is made by the host and belongs to
   the caller, who frees it with DisposeMatches; its handles stay valid while their objects exist. */
#ifndef PENDRAKE_PDMATCHINGART_H
#define PENDRAKE_PDMATCHINGART_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDMatchingArtSuite "PD Matching Art Suite"
#define kPDMatchingArtSuiteVersion7 7
#define kPDMatchingArtSuiteVersion1006 1006

/* Objects of type (kPDAnyArt for all) whose user attributes masked by whichAttr equal attr. */
typedef struct PDMatchingArtSpec {
    int16_t type;
    int32_t whichAttr;
    int32_t attr;
} PDMatchingArtSpec;

/* Versions 7 and 1006 share this layout. */
typedef struct PDMatchingArtSuite7 {
    /* Lists the selected objects in document order (bottom to top, a group before its contents); every path
       inside a selected group or compound path is listed too. kNoDocumentErr without a document. An empty
       result stores null and 0. */
    ZBErr (*GetSelectedArt)(PDArtHandle** matches, int32_t* count);
    /* Lists, in document order, every object at any depth that matches one of the specs. */
    ZBErr (*GetMatchingArt)(const PDMatchingArtSpec* specs, int16_t specCount, PDArtHandle** matches, int32_t* count);
    /* Frees a list of this suite; null is accepted. */
    ZBErr (*DisposeMatches)(PDArtHandle* matches);
} PDMatchingArtSuite7;

typedef PDMatchingArtSuite7 PDMatchingArtSuite1006;

#ifdef __cplusplus
}
#endif

#endif
