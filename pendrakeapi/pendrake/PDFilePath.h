/* The File Path suite: host file paths. A path made by NewFilePath belongs to the caller until DisposeFilePath. */
#ifndef PENDRAKE_PDFILEPATH_H
#define PENDRAKE_PDFILEPATH_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDFilePathSuite "PD File Path Suite"
#define kPDFilePathSuiteVersion3 3
#define kPDFilePathSuiteVersion4 4
#define kPDFilePathSuiteVersion1003 1003

/* Versions 3, 4 and 1003 share this layout. */
typedef struct PDFilePathSuite4 {
    /* Makes an empty path. */
    ZBErr (*NewFilePath)(PDFilePathRef* path);
    /* Frees a path; null is accepted. */
    ZBErr (*DisposeFilePath)(PDFilePathRef path);
    /* Replaces the path with the given full path text. */
    ZBErr (*SetFullPath)(PDFilePathRef path, PDUnicodeStringRef text);
    /* Appends one component with the platform's separator; a component that starts with the separator is
       appended as it stands. Appending to an empty path makes the component the path. */
    ZBErr (*AddComponent)(PDFilePathRef path, PDUnicodeStringRef component);
    /* Stores whether a file or folder exists at the path (an empty path never exists). */
    ZBErr (*Exists)(PDFilePathRef path, ZBBoolean resolveLinks, ZBBoolean* exists);
    /* Replaces text with the full path text. */
    ZBErr (*GetFullPath)(PDFilePathRef path, PDUnicodeStringRef text);
    /* Stores whether the path is empty. */
    ZBErr (*IsEmpty)(PDFilePathRef path, ZBBoolean* empty);
} PDFilePathSuite4;

typedef PDFilePathSuite4 PDFilePathSuite3;
typedef PDFilePathSuite4 PDFilePathSuite1003;

#ifdef __cplusplus
}
#endif

#endif
