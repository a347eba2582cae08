/* The Layer suite: the layers of the current document, bottom to top. */
#ifndef PENDRAKE_PDLAYER_H
#define PENDRAKE_PDLAYER_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDLayerSuite "PD Layer Suite"
#define kPDLayerSuiteVersion13 13
#define kPDLayerSuiteVersion1012 1012

/* Versions 13 and 1012 share this layout. */
typedef struct PDLayerSuite13 {
    /* Stores the layer that new art goes into. kNoDocumentErr without a document. */
    ZBErr (*GetCurrentLayer)(PDLayerHandle* layer);
    ZBErr (*SetCurrentLayer)(PDLayerHandle layer);
    /* Count and list the layers, from the bottom one (0). */
    ZBErr (*CountLayers)(int32_t* count);
    ZBErr (*GetNthLayer)(int32_t n, PDLayerHandle* layer);
    /* Replaces title with the layer's name. */
    ZBErr (*GetLayerTitle)(PDLayerHandle layer, PDUnicodeStringRef title);
    /* Stores the bottom-most object at the top level of the layer, null when the layer is empty. */
    ZBErr (*GetFirstArtOfLayer)(PDLayerHandle layer, PDArtHandle* art);
} PDLayerSuite13;

typedef PDLayerSuite13 PDLayerSuite1012;

#ifdef __cplusplus
}
#endif

#endif
