/* The Document suite: the current document. */
#ifndef PENDRAKE_PDDOCUMENT_H
#define PENDRAKE_PDDOCUMENT_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDDocumentSuite "PD Document Suite"
#define kPDDocumentSuiteVersion14 14
#define kPDDocumentSuiteVersion1013 1013 /* the same layout with single-precision PDReal */

/* The page setup. */
typedef struct PDDocumentSetup {
    PDReal width;  /* page width in points */
    PDReal height; /* page height in points */
    ZBBoolean showPlacedImages;
    int16_t pageTileMode;
} PDDocumentSetup;

typedef struct PDDocumentSuite14 {
    /* Stores the current document. kNoDocumentErr when none is open (*document is then null). */
    ZBErr (*GetDocument)(PDDocumentHandle* document);
    /* Stores documentOrigin: a page point minus the origin is the same point in artwork coordinates.
       kNoDocumentErr when no document is open. */
    ZBErr (*GetDocumentOrigin)(PDRealPoint* origin);
    ZBErr (*SetDocumentOrigin)(const PDRealPoint* origin);
    /* Fill or change the page setup. kNoDocumentErr when no document is open. */
    ZBErr (*GetDocumentSetup)(PDDocumentSetup* setup);
    ZBErr (*SetDocumentSetup)(const PDDocumentSetup* setup);
    /* Replaces name with the document's file name (UTF-8 path); kNoDocumentErr when none is open. */
    ZBErr (*GetDocumentFileName)(PDUnicodeStringRef name);
} PDDocumentSuite14;

typedef PDDocumentSuite14 PDDocumentSuite1013;

#ifdef __cplusplus
}
#endif

#endif
