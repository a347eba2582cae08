/* The Unicode String suite: host strings. A string holds UTF-16 text; positions and lengths count UTF-16 units.
   Every string made by NewString, Copy or Substring belongs to the caller until Dispose. */
#ifndef PENDRAKE_PDUNICODESTRING_H
#define PENDRAKE_PDUNICODESTRING_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDUnicodeStringSuite "PD Unicode String Suite"
#define kPDUnicodeStringSuiteVersion7 7
#define kPDUnicodeStringSuiteVersion8 8
#define kPDUnicodeStringSuiteVersion1007 1007

/* Encodings of NewString and Export. The platform encoding (0) is UTF-8 on Linux and macOS. */
#define kPDPlatformEncoding 0
#define kPDUTF8Encoding 1
#define kPDUTF16Encoding 2

/* Returned by Find when the text does not occur. */
#define kPDStringNotFound (-1)

/* Versions 7, 8 and 1007 share this layout. */
typedef struct PDUnicodeStringSuite8 {
    /* Makes a string from length bytes (-1: up to the NUL) in encoding; null bytes make the empty string.
       Bytes that are not valid in the encoding become U+FFFD. kBadParameterErr for an unknown encoding. */
    ZBErr (*NewString)(const char* bytes, int32_t length, int32_t encoding, PDUnicodeStringRef* string);
    /* Frees a string; null is accepted. kBadObjectErr for a string the host does not know. */
    ZBErr (*Dispose)(PDUnicodeStringRef string);
    /* Makes an independent copy. */
    ZBErr (*Copy)(PDUnicodeStringRef string, PDUnicodeStringRef* copy);
    /* Stores the length in UTF-16 units. */
    ZBErr (*Length)(PDUnicodeStringRef string, int32_t* length);
    /* Stores the position of the first occurrence of text at or after from, or kPDStringNotFound. */
    ZBErr (*Find)(PDUnicodeStringRef string, PDUnicodeStringRef text, int32_t from, int32_t* position);
    /* Makes a new string of at most count units from position (count -1: to the end); positions past the
       end give the empty string. */
    ZBErr (*Substring)(PDUnicodeStringRef string, int32_t position, int32_t count, PDUnicodeStringRef* part);
    /* Appends text to string. */
    ZBErr (*Append)(PDUnicodeStringRef string, PDUnicodeStringRef text);
    /* Writes the string in encoding into buffer (bufferSize bytes, a NUL always written when bufferSize > 0)
       and stores the full encoded length without the NUL in *length. A buffer too small gets a truncated text
       that ends at a whole character, and kBadParameterErr. buffer may be null with bufferSize 0 to ask for the
       length. kPDUTF16Encoding writes 16-bit units in the machine's byte order and a 16-bit NUL. */
    ZBErr (*Export)(PDUnicodeStringRef string, int32_t encoding, char* buffer, int32_t bufferSize, int32_t* length);
} PDUnicodeStringSuite8;

typedef PDUnicodeStringSuite8 PDUnicodeStringSuite7;
typedef PDUnicodeStringSuite8 PDUnicodeStringSuite1007;

#ifdef __cplusplus
}
#endif

#endif
