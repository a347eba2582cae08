#include "AdapterState.h"

#include "pendrake/PDWrapperSuites.h"

AdapterState gAdapter;

// The suites behind the path wrappers; filled only while start-up builds the panel library's path.
const PDUnicodeStringSuite8* sPDUnicodeString = nullptr;
const PDFilePathSuite4* sPDFilePath = nullptr;
const PDStringFormatUtilsSuite3* sPDStringFormatUtils = nullptr;
const ZBBlocksSuite2* sZBBlocks = nullptr;
