// Reading the panel's payloads: an element is found by its name wherever it stands, and its text is read as a
// number by the host's String Format Utils suite in the default number format. A missing or malformed element
// reads as 0; a host call that fails throws pd::Error, so that the operation is not carried out on a value the
// panel never sent.
#ifndef MARKPLUG_PAYLOADPARSER_H
#define MARKPLUG_PAYLOADPARSER_H

#include <cstdint>

#include "pendrake/IPDUnicodeString.h"

// The text between the first "<name>" and the first "</name>" of the payload, unchanged; empty when either tag
// is missing or the closing tag does not come after the opening one. Letter case matters; tags with attributes
// are not recognised.
pd::UnicodeString GetElement(const pd::UnicodeString& payload, const char* name);

// The number in the element "operation": -1 when the element is missing or empty, 0 when its text is no integer.
int32_t ParseOperation(const pd::UnicodeString& payload);

// The element's text as a 32-bit integer or a double; 0 when it is missing, empty or no number.
int32_t GetElementInt32(const pd::UnicodeString& payload, const char* name);
double GetElementDouble(const pd::UnicodeString& payload, const char* name);

#endif
