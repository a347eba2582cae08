#include "TalvexPluginDialogSuites.h"

#include "Edition.h"

const PDMenuSuite11* sPDMenu = nullptr;
const PDUnicodeStringSuite8* sPDUnicodeString = nullptr;
const ZBBlocksSuite2* sZBBlocks = nullptr;
const PDPreferenceSuite6* sPDPreference = nullptr;
const PDPathSuite11* sPDPath = nullptr;
const PDPathStyleSuite13* sPDPathStyle = nullptr;
const PDPathConstructionSuite4* sPDPathConstruction = nullptr;
const PDExpandSuite4* sPDExpand = nullptr;
const PDRasterSuite10* sPDRaster = nullptr;
const PDLayerSuite13* sPDLayer = nullptr;
const PDPluginSuite5* sPDPlugin = nullptr;
const PDActionManagerSuite5* sPDActionManager = nullptr;
const PDPathfinderSuite6* sPDPathfinder = nullptr;
const PDTagSuite4* sPDTag = nullptr;
const PDRuntimeSuite12* sPDRuntime = nullptr;
const PDDocumentSuite14* sPDDocument = nullptr;
const PDArtSuite17* sPDArt = nullptr;
const PDMatchingArtSuite7* sPDMatchingArt = nullptr;
const PDUndoSuite7* sPDUndo = nullptr;
const PDStringFormatUtilsSuite3* sPDStringFormatUtils = nullptr;
const PDDrawArtSuite11* sPDDrawArt = nullptr;

// Required suites, in the order they are acquired; no optional suites follow the terminator.
ImportSuite gImportSuites[kImportSuiteCount + 1] = {
    {kPDMenuSuite, EditionSuiteVersion(kPDMenuSuiteVersion11, kPDMenuSuiteVersion1010), &sPDMenu},
    {kPDUnicodeStringSuite, EditionSuiteVersion(kPDUnicodeStringSuiteVersion8, kPDUnicodeStringSuiteVersion1007),
     &sPDUnicodeString},
    {kZBBlocksSuite, kZBBlocksSuiteVersion2, &sZBBlocks},
    {kPDPreferenceSuite, EditionSuiteVersion(kPDPreferenceSuiteVersion6, kPDPreferenceSuiteVersion1005),
     &sPDPreference},
    {kPDPathSuite, EditionSuiteVersion(kPDPathSuiteVersion11, kPDPathSuiteVersion1010), &sPDPath},
    {kPDPathStyleSuite, EditionSuiteVersion(kPDPathStyleSuiteVersion13, kPDPathStyleSuiteVersion1012), &sPDPathStyle},
    {kPDPathConstructionSuite,
     EditionSuiteVersion(kPDPathConstructionSuiteVersion4, kPDPathConstructionSuiteVersion1003), &sPDPathConstruction},
    {kPDExpandSuite, EditionSuiteVersion(kPDExpandSuiteVersion4, kPDExpandSuiteVersion1003), &sPDExpand},
    {kPDRasterSuite, EditionSuiteVersion(kPDRasterSuiteVersion10, kPDRasterSuiteVersion1009), &sPDRaster},
    {kPDLayerSuite, EditionSuiteVersion(kPDLayerSuiteVersion13, kPDLayerSuiteVersion1012), &sPDLayer},
    {kPDPluginSuite, EditionSuiteVersion(kPDPluginSuiteVersion5, kPDPluginSuiteVersion1004), &sPDPlugin},
    {kPDActionManagerSuite, EditionSuiteVersion(kPDActionManagerSuiteVersion5, kPDActionManagerSuiteVersion1004),
     &sPDActionManager},
    {kPDPathfinderSuite, EditionSuiteVersion(kPDPathfinderSuiteVersion6, kPDPathfinderSuiteVersion1005),
     &sPDPathfinder},
    {kPDTagSuite, EditionSuiteVersion(kPDTagSuiteVersion4, kPDTagSuiteVersion1003), &sPDTag},
    {kPDRuntimeSuite, EditionSuiteVersion(kPDRuntimeSuiteVersion12, kPDRuntimeSuiteVersion1011), &sPDRuntime},
    {kPDDocumentSuite, EditionSuiteVersion(kPDDocumentSuiteVersion14, kPDDocumentSuiteVersion1013), &sPDDocument},
    {kPDArtSuite, EditionSuiteVersion(kPDArtSuiteVersion17, kPDArtSuiteVersion1016), &sPDArt},
    {kPDMatchingArtSuite, EditionSuiteVersion(kPDMatchingArtSuiteVersion7, kPDMatchingArtSuiteVersion1006),
     &sPDMatchingArt},
    {kPDUndoSuite, EditionSuiteVersion(kPDUndoSuiteVersion7, kPDUndoSuiteVersion1006), &sPDUndo},
    {kPDStringFormatUtilsSuite,
     EditionSuiteVersion(kPDStringFormatUtilsSuiteVersion3, kPDStringFormatUtilsSuiteVersion1002),
     &sPDStringFormatUtils},
    {kPDDrawArtSuite, EditionSuiteVersion(kPDDrawArtSuiteVersion11, kPDDrawArtSuiteVersion1010), &sPDDrawArt},
    {nullptr, 0, nullptr},
};
