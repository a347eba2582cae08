/* The Folders suite: the host's own folders, by type number. */
#ifndef PENDRAKE_PDFOLDERS_H
#define PENDRAKE_PDFOLDERS_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDFoldersSuite "PD Folders Suite"
#define kPDFoldersSuiteVersion4 4
#define kPDFoldersSuiteVersion5 5
#define kPDFoldersSuiteVersion1004 1004

/* Folder types used by the plug-ins; the host may know more. */
#define kPDApplicationFolderType 0         /* the host's own folder, which holds the panel service library */
#define kPDPluginsFolderType 1             /* the plug-in folder */
#define kPDPreferencesFolderType 2         /* where the preference file lives */
#define kPDApplicationSupportFolderType 52 /* the host's bundle contents (macOS), parent of Frameworks */

/* Versions 4, 5 and 1004 share this layout. */
typedef struct PDFoldersSuite5 {
    /* Sets folder (a path made by the caller) to the host folder of that type, creating the folder on the disk
       first when createFolder is true. kNoSuchFolderErr for a type the host does not know. */
    ZBErr (*FindFolder)(int32_t type, ZBBoolean createFolder, PDFilePathRef folder);
} PDFoldersSuite5;

typedef PDFoldersSuite5 PDFoldersSuite4;
typedef PDFoldersSuite5 PDFoldersSuite1004;

#ifdef __cplusplus
}
#endif

#endif
