// The suite slots the wrapper classes call through. Each plug-in defines them and fills them when it acquires
// its suites; a wrapper used while its slot is null throws pd::Error(kCantHappenErr).
#ifndef PENDRAKE_PDWRAPPERSUITES_H
#define PENDRAKE_PDWRAPPERSUITES_H

#include "PDSuites.h"

extern const PDUnicodeStringSuite8* sPDUnicodeString;
extern const PDFilePathSuite4* sPDFilePath;
extern const PDStringFormatUtilsSuite3* sPDStringFormatUtils;
extern const ZBBlocksSuite2* sZBBlocks;

#endif
