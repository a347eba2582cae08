/* The Art suite: the objects of the current document. A disposed object's handle is refused with
   kBadObjectErr by every suite, never dereferenced. */
#ifndef PENDRAKE_PDART_H
#define PENDRAKE_PDART_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDArtSuite "PD Art Suite"
#define kPDArtSuiteVersion17 17
#define kPDArtSuiteVersion1016 1016 /* the same layout with single-precision PDReal */

/* Art types. */
#define kPDAnyArt (-1) /* matches every type in a matching-art request */
#define kPDUnknownArt 0
#define kPDGroupArt 1
#define kPDPathArt 2
#define kPDCompoundPathArt 3
#define kPDTextArt 4
#define kPDPlacedArt 5

/* User attributes, as bit masks. */
#define kPDArtSelected 1
#define kPDArtLocked 2
#define kPDArtHidden 4

/* Where NewArt and ReorderArt place an object, relative to prep (or the current layer when prep is null). */
#define kPDPlaceAbove 1
#define kPDPlaceBelow 2
#define kPDPlaceInsideOnTop 3
#define kPDPlaceInsideOnBottom 4
#define kPDPlaceAboveAll 5 /* above all art of the current layer */
#define kPDPlaceBelowAll 6 /* below all art of the current layer */

typedef struct PDArtSuite17 {
    /* Makes an empty object of type at paintOrder relative to prep, stored in *art. kNoDocumentErr without a
       document, kBadParameterErr for a type or order the host cannot make there. */
    ZBErr (*NewArt)(int16_t type, int16_t paintOrder, PDArtHandle prep, PDArtHandle* art);
    /* Removes the object, and the objects inside a group or compound path, from the document; every handle of
       them is invalid afterwards. */
    ZBErr (*DisposeArt)(PDArtHandle art);
    /* Moves the object to paintOrder relative to prep. */
    ZBErr (*ReorderArt)(PDArtHandle art, int16_t paintOrder, PDArtHandle prep);
    /* Stores the art type. */
    ZBErr (*GetArtType)(PDArtHandle art, int16_t* type);
    /* Stores the user attributes of art masked by whichAttr in *attr. */
    ZBErr (*GetArtUserAttr)(PDArtHandle art, int32_t whichAttr, int32_t* attr);
    /* Sets the attributes in whichAttr to those of attr; the others stay. */
    ZBErr (*SetArtUserAttr)(PDArtHandle art, int32_t whichAttr, int32_t attr);
    /* Store the enclosing group (null at the top of a layer), the first object inside a group or compound path
       (null when empty), the next object of the same parent (null at the end). */
    ZBErr (*GetArtParent)(PDArtHandle art, PDArtHandle* parent);
    ZBErr (*GetArtFirstChild)(PDArtHandle art, PDArtHandle* child);
    ZBErr (*GetArtSibling)(PDArtHandle art, PDArtHandle* sibling);
    /* Stores the layer that holds the object. */
    ZBErr (*GetLayerOfArt)(PDArtHandle art, PDLayerHandle* layer);
    /* Stores the object's geometric bounds in points. */
    ZBErr (*GetArtBounds)(PDArtHandle art, PDRealRect* bounds);
    /* Stores whether the handle names an object of the current document. */
    ZBErr (*ValidArt)(PDArtHandle art, ZBBoolean* valid);
    /* True when the object paints a fill, or a stroke; false for a disposed or unknown handle. */
    ZBBoolean (*ArtHasFill)(PDArtHandle art);
    ZBBoolean (*ArtHasStroke)(PDArtHandle art);
} PDArtSuite17;

typedef PDArtSuite17 PDArtSuite1016;

#ifdef __cplusplus
}
#endif

#endif
