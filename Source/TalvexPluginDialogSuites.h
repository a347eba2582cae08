// The suites markplug imports beyond the frame's own, each in its global slot (null while not held).
#ifndef MARKPLUG_TALVEXPLUGINDIALOGSUITES_H
#define MARKPLUG_TALVEXPLUGINDIALOGSUITES_H

#include "Suites.h"
#include "pendrake/PDSuites.h"
#include "pendrake/PDWrapperSuites.h"

inline constexpr int kImportSuiteCount = 21;

extern const PDMenuSuite11* sPDMenu;
extern const PDUnicodeStringSuite8* sPDUnicodeString;
extern const ZBBlocksSuite2* sZBBlocks;
extern const PDPreferenceSuite6* sPDPreference;
extern const PDPathSuite11* sPDPath;
extern const PDPathStyleSuite13* sPDPathStyle;
extern const PDPathConstructionSuite4* sPDPathConstruction;
extern const PDExpandSuite4* sPDExpand;
extern const PDRasterSuite10* sPDRaster;
extern const PDLayerSuite13* sPDLayer;
extern const PDPluginSuite5* sPDPlugin;
extern const PDActionManagerSuite5* sPDActionManager;
extern const PDPathfinderSuite6* sPDPathfinder;
extern const PDTagSuite4* sPDTag;
extern const PDRuntimeSuite12* sPDRuntime;
extern const PDDocumentSuite14* sPDDocument;
extern const PDArtSuite17* sPDArt;
extern const PDMatchingArtSuite7* sPDMatchingArt;
extern const PDUndoSuite7* sPDUndo;
extern const PDStringFormatUtilsSuite3* sPDStringFormatUtils;
extern const PDDrawArtSuite11* sPDDrawArt;

#endif
