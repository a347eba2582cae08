/* The Path Construction suite: between segments and flattened points. */
#ifndef PENDRAKE_PDPATHCONSTRUCTION_H
#define PENDRAKE_PDPATHCONSTRUCTION_H

#include "PDPath.h"
#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDPathConstructionSuite "PD PathConstruction Suite"
#define kPDPathConstructionSuiteVersion4 4
#define kPDPathConstructionSuiteVersion1003 1003 /* the same layout with single-precision PDReal */

/* One point of a flattened path; 12 bytes with single-precision PDReal. */
typedef struct PDPathPoint {
    PDRealPoint point;
    int32_t corner;
} PDPathPoint;

typedef void* (*PDAllocateProc)(size_t size);
typedef void (*PDDisposeProc)(void* block);

typedef struct PDPathConstructionSuite4 {
    /* Flattens count segments into points no farther than flatness from the curves, at most maxPoints per
       segment; the array is made with allocate and belongs to the caller (free it with the matching dispose).
       An empty input gives 0 points and a null array. */
    ZBErr (*SegmentsToPoints)(int32_t count, const PDPathSegment* segments, PDReal maxPoints, PDReal flatness,
                              int32_t* pointCount, PDPathPoint** points, PDAllocateProc allocate,
                              PDDisposeProc dispose);
} PDPathConstructionSuite4;

typedef PDPathConstructionSuite4 PDPathConstructionSuite1003;

#ifdef __cplusplus
}
#endif

#endif
