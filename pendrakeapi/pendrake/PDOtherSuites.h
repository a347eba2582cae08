/* Suites that the plug-ins hold but whose operations no plug-in of this system calls yet: menus, expanding,
   raster art, path finding, undo and drawing. Each keeps its name and versions so that it can be acquired. */
#ifndef PENDRAKE_PDOTHERSUITES_H
#define PENDRAKE_PDOTHERSUITES_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kPDMenuSuite "PD Menu Suite"
#define kPDMenuSuiteVersion11 11
#define kPDMenuSuiteVersion1010 1010
typedef struct PDMenuSuite11 {
    /* Adds a menu item under group for plugin; the host sends "PD Menu" / "PD Go" when it is chosen. */
    ZBErr (*AddMenuItem)(ZBPlugin* plugin, const char* group, const char* text, PDMenuItemHandle* item);
    /* Enables or disables the item. */
    ZBErr (*SetItemEnabled)(PDMenuItemHandle item, ZBBoolean enabled);
} PDMenuSuite11;
typedef PDMenuSuite11 PDMenuSuite1010;

#define kPDExpandSuite "PD Expand Suite"
#define kPDExpandSuiteVersion4 4
#define kPDExpandSuiteVersion1003 1003
typedef struct PDExpandSuite4 {
    /* Expands the object's appearance into plain art; flags and steps are the host's. */
    ZBErr (*Expand)(PDArtHandle art, int32_t flags, int32_t steps);
} PDExpandSuite4;
typedef PDExpandSuite4 PDExpandSuite1003;

#define kPDRasterSuite "PD Raster Suite"
#define kPDRasterSuiteVersion10 10
#define kPDRasterSuiteVersion1009 1009
typedef struct PDRasterSuite10 {
    /* Stores the width and height in pixels of a raster object. kWrongTypeErr for other art. */
    ZBErr (*GetRasterSize)(PDArtHandle art, int32_t* width, int32_t* height);
} PDRasterSuite10;
typedef PDRasterSuite10 PDRasterSuite1009;

#define kPDPathfinderSuite "PD Pathfinder Suite"
#define kPDPathfinderSuiteVersion6 6
#define kPDPathfinderSuiteVersion1005 1005
typedef struct PDPathfinderSuite6 {
    /* Unites the given objects into one compound shape. */
    ZBErr (*UniteArt)(PDArtHandle* art, int32_t count);
} PDPathfinderSuite6;
typedef PDPathfinderSuite6 PDPathfinderSuite1005;

#define kPDUndoSuite "PD Undo Suite"
#define kPDUndoSuiteVersion7 7
#define kPDUndoSuiteVersion1006 1006
typedef struct PDUndoSuite7 {
    /* Names the current change in the host's undo and redo menu items (UTF-8, copied). */
    ZBErr (*SetUndoText)(const char* undoText, const char* redoText);
} PDUndoSuite7;
typedef PDUndoSuite7 PDUndoSuite1006;

#define kPDDrawArtSuite "PD Draw Art Suite"
#define kPDDrawArtSuiteVersion11 11
#define kPDDrawArtSuiteVersion1010 1010
typedef struct PDDrawArtSuite11 {
    /* Asks the host to redraw the object on the next screen update. */
    ZBErr (*InvalidateArt)(PDArtHandle art);
} PDDrawArtSuite11;
typedef PDDrawArtSuite11 PDDrawArtSuite1010;

#ifdef __cplusplus
}
#endif

#endif
