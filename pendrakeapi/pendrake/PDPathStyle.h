/* The Path Style suite: fill and stroke of path objects. */
#ifndef PENDRAKE_PDPATHSTYLE_H
#define PENDRAKE_PDPATHSTYLE_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDPathStyleSuite "PD Path Style Suite"
#define kPDPathStyleSuiteVersion13 13
#define kPDPathStyleSuiteVersion1012 1012 /* the same layout with single-precision PDReal */

/* Colour kinds. */
#define kPDNoneColor 0
#define kPDGrayColor 1
#define kPDFourColor 2  /* cyan, magenta, yellow, black, each 0 to 100 as the plug-ins write them */
#define kPDThreeColor 3 /* red, green, blue, each 0 to 1 */

typedef struct PDFourColorStyle {
    PDReal cyan;
    PDReal magenta;
    PDReal yellow;
    PDReal black;
} PDFourColorStyle;

typedef struct PDThreeColorStyle {
    PDReal red;
    PDReal green;
    PDReal blue;
} PDThreeColorStyle;

typedef struct PDColor {
    int16_t kind;
    union {
        PDReal gray;
        PDFourColorStyle f;
        PDThreeColorStyle rgb;
    } c;
} PDColor;

typedef struct PDFillStyle {
    PDColor color;
    ZBBoolean overprint;
} PDFillStyle;

#define kPDMaxDashComponents 6

typedef struct PDDashStyle {
    int16_t length; /* 0: solid */
    PDReal offset;
    PDReal array[kPDMaxDashComponents];
} PDDashStyle;

/* Line caps and joins. */
#define kPDButtCap 0
#define kPDRoundCap 1
#define kPDProjectingCap 2
#define kPDMiterJoin 0
#define kPDRoundJoin 1
#define kPDBevelJoin 2

typedef struct PDStrokeStyle {
    PDColor color;
    ZBBoolean overprint;
    PDReal width;
    PDDashStyle dash;
    int16_t cap;
    int16_t join;
    PDReal miterLimit;
} PDStrokeStyle;

typedef struct PDPathStyle {
    ZBBoolean fillPaint;   /* first field: the fill is painted */
    ZBBoolean strokePaint; /* second field: the stroke is painted */
    PDFillStyle fill;
    PDStrokeStyle stroke;
    ZBBoolean clip;
    ZBBoolean lockClip;
    ZBBoolean evenodd;
    PDReal resolution;
} PDPathStyle;

typedef struct PDPathStyleSuite13 {
    /* Fill *style with the object's style. kWrongTypeErr for an object without a path style. */
    ZBErr (*GetPathStyle)(PDArtHandle art, PDPathStyle* style);
    /* Replace the object's style. kBadParameterErr for a dash length outside 0 to kPDMaxDashComponents. */
    ZBErr (*SetPathStyle)(PDArtHandle art, const PDPathStyle* style);
} PDPathStyleSuite13;

typedef PDPathStyleSuite13 PDPathStyleSuite1012;

#ifdef __cplusplus
}
#endif

#endif
