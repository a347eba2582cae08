/* The Path suite: the segments of path objects. */
#ifndef PENDRAKE_PDPATH_H
#define PENDRAKE_PDPATH_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDPathSuite "PD Path Suite"
#define kPDPathSuiteVersion11 11
#define kPDPathSuiteVersion1010 1010 /* the same layout with single-precision PDReal */

/* One anchor of a path with its incoming and outgoing control points. With single-precision PDReal the
   record is 28 bytes. */
typedef struct PDPathSegment {
    PDRealPoint p;
    PDRealPoint in;
    PDRealPoint out;
    ZBBoolean corner;
} PDPathSegment;

typedef struct PDPathSuite11 {
    /* Store or set the number of segments; a new count keeps the leading segments. */
    ZBErr (*GetPathSegmentCount)(PDArtHandle path, int16_t* count);
    ZBErr (*SetPathSegmentCount)(PDArtHandle path, int16_t count);
    /* Copy count segments from index first; kBadParameterErr when the range lies outside the path (setting
       may extend the path at its end). kWrongTypeErr for an object that is not a path. */
    ZBErr (*GetPathSegments)(PDArtHandle path, int16_t first, int16_t count, PDPathSegment* segments);
    ZBErr (*SetPathSegments)(PDArtHandle path, int16_t first, int16_t count, const PDPathSegment* segments);
    /* Store or set whether the last anchor joins the first. */
    ZBErr (*GetPathClosed)(PDArtHandle path, ZBBoolean* closed);
    ZBErr (*SetPathClosed)(PDArtHandle path, ZBBoolean closed);
} PDPathSuite11;

typedef PDPathSuite11 PDPathSuite1010;

#ifdef __cplusplus
}
#endif

#endif
