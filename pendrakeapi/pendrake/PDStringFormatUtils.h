/* The String Format Utils suite: numbers to and from host strings. A null number format is the default one,
   which reads and writes plain decimal notation with "." as the decimal point. */
#ifndef PENDRAKE_PDSTRINGFORMATUTILS_H
#define PENDRAKE_PDSTRINGFORMATUTILS_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDStringFormatUtilsSuite "PD String Format Utils Suite"
#define kPDStringFormatUtilsSuiteVersion2 2
#define kPDStringFormatUtilsSuiteVersion3 3
#define kPDStringFormatUtilsSuiteVersion1002 1002

/* Versions 2, 3 and 1002 share this layout. */
typedef struct PDStringFormatUtilsSuite3 {
    /* Reads the whole text as a decimal integer (optional sign, digits). kBadFormatErr for anything else or a
       value outside 32 bits; *value is then left unchanged. */
    ZBErr (*StringToInteger)(PDNumberFormatRef format, PDUnicodeStringRef text, int32_t* value);
    /* Reads the whole text as a decimal real (optional sign, digits with an optional "." part, optional
       exponent). kBadFormatErr for anything else, "nan" and "inf" included; a value too large for a double
       gives kBadFormatErr too. *value is then left unchanged. */
    ZBErr (*StringToReal)(PDNumberFormatRef format, PDUnicodeStringRef text, double* value);
    /* Replace text with the number in decimal; RealToString writes precision digits after the point. */
    ZBErr (*IntegerToString)(PDNumberFormatRef format, int32_t value, PDUnicodeStringRef text);
    ZBErr (*RealToString)(PDNumberFormatRef format, double value, int32_t precision, PDUnicodeStringRef text);
} PDStringFormatUtilsSuite3;

typedef PDStringFormatUtilsSuite3 PDStringFormatUtilsSuite2;
typedef PDStringFormatUtilsSuite3 PDStringFormatUtilsSuite1002;

#ifdef __cplusplus
}
#endif

#endif
