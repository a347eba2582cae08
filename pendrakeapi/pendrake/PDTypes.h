/* Basic types of the Pendrake host interface, shared by the host and every plug-in. Plain C. */
#ifndef PENDRAKE_PDTYPES_H
#define PENDRAKE_PDTYPES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Every host call returns one of these: 0 for success, otherwise a four-character code (ZBErrors.h). */
typedef int32_t ZBErr;

/* One byte, 0 or 1, so that records keep the same layout in C and C++. */
typedef unsigned char ZBBoolean;

/* Packs four characters into 32 bits, the first character in the most significant byte ('CANT' is 0x43414E54).
   Used for error codes, action parameter keys and units; spelled as a macro to avoid multi-character literals. */
#define PD_FOURCC(a, b, c, d)                                                                \
    ((int32_t)(((uint32_t)(unsigned char)(a) << 24) | ((uint32_t)(unsigned char)(b) << 16) | \
               ((uint32_t)(unsigned char)(c) << 8) | (uint32_t)(unsigned char)(d)))

/* The host's real type. The Windows feature set is built with double precision; the macOS feature set defines
   PD_REAL_IS_FLOAT and gets single precision. Every record that carries a real uses PDReal, and the host serves
   each edition the records of its own precision under that edition's suite versions. */
#if defined(PD_REAL_IS_FLOAT)
typedef float PDReal;
#else
typedef double PDReal;
#endif

/* A point in points (1/72 inch): h to the right, v upward. */
typedef struct PDRealPoint {
    PDReal h;
    PDReal v;
} PDRealPoint;

/* A rectangle in points; top is greater than bottom for a rectangle of positive height. */
typedef struct PDRealRect {
    PDReal left;
    PDReal top;
    PDReal right;
    PDReal bottom;
} PDRealRect;

/* Opaque handles: each kind of host object is a distinct incomplete struct, so that handles cannot be mixed up. */
typedef struct ZBPlugin ZBPlugin;                               /* the host's reference for one loaded plug-in */
typedef struct ZBAccessOpaque* ZBAccessRef;                     /* a lock that keeps a plug-in's code loaded */
typedef struct PDNotifierOpaque* PDNotifierHandle;              /* a notifier added by a plug-in */
typedef struct PDAppContextOpaque* PDAppContextHandle;          /* a saved application context */
typedef struct PDDocumentOpaque* PDDocumentHandle;              /* an open document */
typedef struct PDArtOpaque* PDArtHandle;                        /* an art object of the current document */
typedef struct PDLayerOpaque* PDLayerHandle;                    /* a layer of the current document */
typedef struct PDUnicodeStringOpaque* PDUnicodeStringRef;       /* a host string */
typedef struct PDFilePathOpaque* PDFilePathRef;                 /* a host file path */
typedef struct PDNumberFormatOpaque* PDNumberFormatRef;         /* a number format; null is the default format */
typedef struct PDActionParamValueOpaque* PDActionParamValueRef; /* an action parameter block */
typedef struct PDMenuItemOpaque* PDMenuItemHandle;              /* a menu item added by a plug-in */

#ifdef __cplusplus
}
#endif

#endif
